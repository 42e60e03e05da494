#include "ui/views/kontrollview.h"

#include <algorithm>

#include <QKeySequence>
#include <QMdiArea>
#include <QPushButton>
#include <QShortcut>

#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "ausblick.h"
#include "ui/nachrichten.h"
#include "ui/qtplattform.h"
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
        std::vector<VerloreneJunge> junge;
        sicher([&vermeidbar, &junge] {
            const Monatsausblick m = monatsausblick();
            vermeidbar = m.vermeidbar;
            for (const auto& [h, a, gebuchtVon] : m.herden)
                if (a.verloreneJunge.bis > 0 && a.futter != TtierForm::Futter::alleSterben)
                    junge.push_back(
                        {h->name(), h->maxmenge,
                         tr("%1: %2 Junge (im Stall Platz für %3)")
                             .arg(kernText(h->caption),
                                  a.verloreneJunge.exakt()
                                      ? QString::number(a.verloreneJunge.von)
                                      : tr("%1 bis %2").arg(a.verloreneJunge.von).arg(a.verloreneJunge.bis),
                                  QString::number(a.platz))
                             .toStdString()});
        });
        // A new game asks about every herd again.
        if (MainForm && MainForm->neueSpiele != neueSpiele_) {
            neueSpiele_ = MainForm->neueSpiele;
            jungeGefragt_.clear();
        }
        if (!weiterBestaetigt(this, vermeidbar) || !weiterTrotzJungen(this, junge, jungeGefragt_)) return;
        befehl([this] { form_.Button1Click(); });
    });
    verluste_ = new QPushButton(inhalt());
    verluste_->setFlat(true);
    connect(verluste_, &QPushButton::clicked, this, [] {
        if (!AusblickForm) return;
        KindView* v = KindView::zu(*AusblickForm);
        if (!v || !v->mdiArea()) return;
        if (v->isMinimized()) v->showNormal();
        v->mdiArea()->setActiveSubWindow(v);
    });
    // The outlook changes with every window, not only with the panel's own.
    if (QtPlattform* p = QtPlattform::aktuelle())
        connect(p, &QtPlattform::aufgefrischt, this, &KontrollView::verlusteAuffrischen);
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
    verlusteAuffrischen();
}

namespace {
constexpr int verlusteHoehe = 22;
}

int KontrollView::zusatzHoehe() const { return verlusteHoehe; }

void KontrollView::verlusteAuffrischen() {
    // The outlook's red lines but the balance's: what the month would lose.
    int n = 0;
    sicher([&n] {
        for (const AusblickZeile& z : monatsausblick().zeilen)
            if (z.warnung && z.art != AusblickZeile::Art::geld) ++n;
    });
    verluste_->setGeometry(8, form_.clientHeight, std::max(0, form_.clientWidth - 16), verlusteHoehe - 2);
    const QString text = n == 0   ? tr("keine &Verluste vorhergesehen")
                         : n == 1 ? tr("1 &Verlust vorhergesehen")
                                  : tr("%1 &Verluste vorhergesehen").arg(n);
    if (verluste_->text() != text) verluste_->setText(text);
    QPalette farben = verluste_->palette();
    farben.setColor(QPalette::ButtonText, n > 0 ? QColor(192, 0, 0) : palette().color(QPalette::ButtonText));
    verluste_->setPalette(farben);
    verluste_->setAccessibleName(QString(text).remove(QLatin1Char('&')));
}
