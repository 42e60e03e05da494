#include "ui/views/tierkaufdialog.h"

#include <QPushButton>

#include "livestock/tierkaufform.h"
#include "ui/hilfetaste.h"
#include "ui/sicher.h"
#include "ui/svgbild.h"
#include "ui/views/steuer.h"

TierKaufDialog::TierKaufDialog(TTierKaufForm& form, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(form) {
    setWindowTitle(QString::fromStdString(form_.caption));
    setFixedSize(195, 67);
    const Button* knoepfe[] = {&form_.BitBtn1, &form_.BitBtn2, &form_.BitBtn3};
    for (int i = 0; i < 3; ++i) {
        auto* k = new QPushButton(this);
        k->setGeometry(8 + 64 * i, 8, 49, 49);
        k->setIcon(svgSymbol(QStringLiteral(":/bilder/gewicht%1.svg").arg(i + 1)));
        k->setIconSize(QSize(32, 32));
        // Return buys in the class that has the focus, the small one first.
        k->setAutoDefault(true);
        const Button& b = *knoepfe[i];
        k->setToolTip(b.showHint ? QString::fromStdString(b.hint) : QString());
        // A button with only a picture is read out by its class.
        k->setAccessibleName(QString::fromStdString(b.hint));
        const int klasse = i + 1;
        connect(k, &QPushButton::clicked, this, [this, klasse] { gewaehlt(klasse); });
        knoepfe_[static_cast<std::size_t>(i)] = k;
    }
    // The game's cancel button lies below the client area and is never
    // seen; Escape, which it answers, is the dialog's own reject here.
    hilfeTaste(this, QStringLiteral("tierkauf"));
}

ModalErgebnis TierKaufDialog::ausfuehren() {
    form_.FormShow();
    // The game places the dialog beside the pointer.
    move(aufDemSchirm({form_.left, form_.top}, size()));
    exec();
    return form_.modalResult.value_or(ModalErgebnis::Abbruch);
}

void TierKaufDialog::gewaehlt(int klasse) {
    sicher([&] { form_.ButtonClick(klasse); });
    // The game decides whether this ends the dialog.
    if (form_.modalResult) done(QDialog::Rejected);
}
