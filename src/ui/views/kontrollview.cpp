#include "ui/views/kontrollview.h"

#include <QKeySequence>
#include <QShortcut>

#include "geld/kontrollform.h"
#include "ausblick.h"
#include "ui/sicher.h"
#include "ui/weiterfrage.h"
#include "ui/views/steuer.h"

KontrollView::KontrollView(TKontrollForm& fenster) : KindView(fenster), form_(fenster) {
    label1_ = neuesLabel(inhalt(), 16, 16);
    label2_ = neuesLabel(inhalt(), 16, 40);
    label3_ = neuesLabel(inhalt(), 136, 16);
    weiter_ = new QPushButton(inhalt());
    weiter_->setGeometry(80, 72, 129, 25);
    connect(weiter_, &QPushButton::clicked, this, [this] {
        // The face asks first when the outlook sees a loss still to prevent.
        std::vector<std::string> vermeidbar;
        sicher([&vermeidbar] { vermeidbar = monatsausblick().vermeidbar; });
        if (!weiterBestaetigt(this, vermeidbar)) return;
        sicher([this] { form_.Button1Click(); });
    });
    // A month without the mouse: Return in the control panel presses
    // "Weiter", as does its mnemonic Alt+W.
    for (const int taste : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* kurz = new QShortcut(QKeySequence(taste), this);
        kurz->setContext(Qt::WidgetWithChildrenShortcut);
        connect(kurz, &QShortcut::activated, weiter_, [this] {
            if (weiter_->isVisible() && weiter_->isEnabled()) weiter_->click();
        });
    }
}

void KontrollView::inhaltAuffrischen() {
    uebernehmen(label1_, form_.Label1);
    uebernehmen(label2_, form_.Label2);
    // A balance below zero stands out in red.
    QPalette farben = label2_->palette();
    farben.setColor(QPalette::WindowText, form_.geld < 0 ? QColor(192, 0, 0) : palette().color(QPalette::WindowText));
    label2_->setPalette(farben);
    uebernehmen(label3_, form_.Label3);
    uebernehmen(weiter_, form_.Button1);
    if (!weiter_->text().contains(QLatin1Char('&'))) weiter_->setText(QLatin1Char('&') + weiter_->text());
}
