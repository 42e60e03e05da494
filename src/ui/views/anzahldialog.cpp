#include "ui/views/anzahldialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "rahmen/anzahlform.h"
#include "geld/geldtext.h"
#include "goods/gutform.h"
#include "ui/hilfetaste.h"
#include "ui/nachrichten.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"
#include "ui/views/steuer.h"

AnzahlDialog::AnzahlDialog(TAnzahlForm& form, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(form) {
    setWindowTitle(kernText(form_.caption));
    setFixedSize(171, 76 + 3 * 16 + 4);
    edit1_ = new QLineEdit(this);
    edit1_->setGeometry(48, 8, 73, 21);
    ok_ = new QPushButton(this);
    ok_->setGeometry(8, 40, 75, 25);
    ok_->setDefault(true);
    abbruch_ = new QPushButton(this);
    abbruch_->setGeometry(88, 40, 75, 25);
    abbruch_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbruch_, &QPushButton::clicked, this, &QDialog::reject);
    edit1_->setAccessibleName(tr("Anzahl"));
    for (int i = 0; i < 3; ++i) {
        namen_[i] = new QLabel(this);
        namen_[i]->setGeometry(8, 74 + 16 * i, 52, 16);
        werte_[i] = new QLabel(this);
        werte_[i]->setGeometry(60, 74 + 16 * i, 171 - 8 - 60, 16);
        werte_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        werte_[i]->setTextFormat(Qt::PlainText);
        namen_[i]->setBuddy(werte_[i]);
    }
    connect(edit1_, &QLineEdit::textChanged, this, &AnzahlDialog::vorschauZeigen);
    hilfeTaste(this, QStringLiteral("anzahl"));
}

ModalErgebnis AnzahlDialog::ausfuehren() {
    form_.FormShow();
    edit1_->setText(QString::fromStdString(form_.Edit1.text));
    ok_->setText(kernText(form_.Button1.caption));
    abbruch_->setText(kernText(form_.Button2.caption));
    vorschauZeigen();
    // The game places the dialog's top-left corner under the pointer.
    move(aufDemSchirm({form_.left, form_.top}, size()));
    return exec() == QDialog::Accepted ? ModalErgebnis::OK : ModalErgebnis::Abbruch;
}

void AnzahlDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    sicher([this] { form_.FormActivate(); });
    edit1_->setFocus();
    edit1_->selectAll();
}

void AnzahlDialog::done(int ergebnis) {
    const bool mitOK = ergebnis == QDialog::Accepted;
    form_.Edit1.text = edit1_->text().toStdString();
    bool darf = !mitOK;  // if the check itself fails, the player can still cancel
    try {
        darf = form_.FormCloseQuery(mitOK);
    } catch (const std::exception& e) {
        fehlerZeigen(e.what());
    } catch (...) {
        fehlerZeigen(tr("Unbekannter Fehler.").toStdString());
    }
    if (!darf) {
        edit1_->setFocus();
        edit1_->selectAll();
        return;
    }
    QDialog::done(ergebnis);
}

void AnzahlDialog::vorschauZeigen() {
    // Read from the goods window only; what is typed is converted by the
    // dialog's own rule, so the lines show what OK would trade.
    const auto* gut = dynamic_cast<const TgutForm*>(form_.haendler);
    for (int i = 0; i < 3; ++i) {
        namen_[i]->setVisible(gut != nullptr);
        werte_[i]->setVisible(gut != nullptr);
    }
    if (!gut) return;
    const std::optional<int32_t> zahl = TAnzahlForm::umwandeln(edit1_->text().toStdString());
    const int64_t n = zahl.value_or(0) * int64_t{form_.kaufen ? -1 : 1};
    TgutForm::Vorschau v;
    sicher([&] { v = gut->handelsVorschau(n == 0 ? (form_.kaufen ? -1 : 1) : n); });
    const QString einheit = kernText(v.einheit);
    namen_[0]->setText(tr("Preis:"));
    werte_[0]->setText(tr("%1 je %2").arg(kernText(geldTextWeit(v.einzelpreis)), einheit));
    namen_[1]->setText(form_.kaufen ? tr("Platz:") : tr("Vorrat:"));
    werte_[1]->setText(QStringLiteral("%1 %2").arg(v.platz).arg(einheit));
    namen_[2]->setText(tr("Betrag:"));
    // No whole number: no amount. One the store cannot take stands in red
    // (OK would be refused with the game's own message).
    const bool zuViel = zahl && *zahl != 0 && !v.passt;
    const QString betrag = !zahl ? QStringLiteral("–")
                                 : kernText(geldTextWeit(*zahl == 0 ? 0 : (v.betrag < 0 ? -v.betrag : v.betrag)));
    werte_[2]->setText(betrag);
    QPalette farben = palette();
    if (zuViel) farben.setColor(QPalette::WindowText, QColor(192, 0, 0));
    werte_[2]->setPalette(farben);
    // A screen reader hears the same while the player types.
    edit1_->setAccessibleDescription(namen_[0]->text() + QLatin1Char(' ') + werte_[0]->text() + QStringLiteral(", ") +
                                     namen_[1]->text() + QLatin1Char(' ') + werte_[1]->text() + QStringLiteral(", ") +
                                     namen_[2]->text() + QLatin1Char(' ') + betrag +
                                     (zuViel ? tr(", zu viel") : QString()));
    for (QLabel* w : werte_) w->setToolTip(w->text());
}
