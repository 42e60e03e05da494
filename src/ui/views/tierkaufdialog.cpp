#include "ui/views/tierkaufdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "livestock/tierkaufform.h"
#include "ui/hilfetaste.h"
#include "ui/nachrichten.h"
#include "ui/sicher.h"
#include "ui/svgbild.h"
#include "ui/views/steuer.h"

TierKaufDialog::TierKaufDialog(TTierKaufForm& form, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(form) {
    setWindowTitle(kernText(form_.caption));
    // Three columns, each a weight button over what it offers.
    constexpr int spalte = 88;
    setFixedSize(8 + 3 * spalte, 98 + 30);
    const Button* knoepfe[] = {&form_.BitBtn1, &form_.BitBtn2, &form_.BitBtn3};
    for (int i = 0; i < 3; ++i) {
        auto* k = new QPushButton(this);
        k->setGeometry(4 + spalte * i + (spalte - 49) / 2, 6, 49, 49);
        k->setIcon(svgSymbol(QStringLiteral(":/bilder/gewicht%1.svg").arg(i + 1)));
        k->setIconSize(QSize(32, 32));
        // A button with only a picture has no letter: Alt+1 … Alt+3 buy.
        k->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + i)));
        // Return buys in the class that has the focus, the small one first.
        k->setAutoDefault(true);
        const Button& b = *knoepfe[i];
        k->setToolTip(b.showHint ? kernText(b.hint) : QString());
        // A button with only a picture is read out by its class.
        k->setAccessibleName(kernText(b.hint));
        const int klasse = i + 1;
        connect(k, &QPushButton::clicked, this, [this, klasse] { gewaehlt(klasse); });
        knoepfe_[static_cast<std::size_t>(i)] = k;
        auto* angebot = new QLabel(this);
        angebot->setGeometry(4 + spalte * i, 58, spalte, 36);
        angebot->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        angebot->setTextFormat(Qt::PlainText);
        angebote_[static_cast<std::size_t>(i)] = angebot;
    }
    // How many: typed, or stepped with the arrow keys; Tab goes on to the
    // weight buttons, which buy.
    auto* anzahlText = new QLabel(tr("&Anzahl:"), this);
    anzahlText->setGeometry(8 + spalte / 2, 100, 60, 22);
    anzahl_ = new QSpinBox(this);
    anzahl_->setGeometry(8 + spalte / 2 + 62, 100, 70, 22);
    anzahl_->setRange(1, TTierKaufForm::hoechstAnzahl);
    anzahl_->setAccessibleName(tr("Anzahl"));
    anzahlText->setBuddy(anzahl_);
    setTabOrder(knoepfe_[2], anzahl_);
    angeboteAuffrischen();
    // The game's cancel button lies below the client area and is never
    // seen; Escape, which it answers, is the dialog's own reject here.
    hilfeTaste(this, QStringLiteral("tierkauf"));
}

void TierKaufDialog::angeboteAuffrischen() {
    for (int klasse = 1; klasse <= 3; ++klasse) {
        QString text;
        sicher([&] {
            text = kernText(form_.gewichtText(klasse) + "\n" + form_.preisText(klasse)).trimmed();
        });
        angebot(klasse)->setText(text);
        // A screen reader hears with the class what it weighs and costs.
        knopf(klasse)->setAccessibleDescription(QString(text).replace(QLatin1Char('\n'), QStringLiteral(", ")));
    }
}

ModalErgebnis TierKaufDialog::ausfuehren() {
    form_.FormShow();
    anzahl_->setValue(form_.anzahl);
    angeboteAuffrischen();
    knopf(1)->setFocus();
    // The game places the dialog beside the pointer.
    move(aufDemSchirm({form_.left, form_.top}, size()));
    exec();
    return form_.modalResult.value_or(ModalErgebnis::Abbruch);
}

void TierKaufDialog::gewaehlt(int klasse) {
    anzahl_->interpretText();
    sicher([&] {
        form_.anzahl = anzahl_->value();
        form_.ButtonClick(klasse);
    });
    // The game decides whether this ends the dialog.
    if (form_.modalResult) done(QDialog::Rejected);
}
