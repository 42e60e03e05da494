#include "ui/views/anzahldialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/anzahlform.h"
#include "ui/hilfetaste.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"
#include "ui/views/steuer.h"

AnzahlDialog::AnzahlDialog(TAnzahlForm& form, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(form) {
    setWindowTitle(QString::fromStdString(form_.caption));
    setFixedSize(171, 76);
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
    edit1_->setAccessibleName(QStringLiteral("Anzahl"));
    hilfeTaste(this, QStringLiteral("anzahl"));
}

ModalErgebnis AnzahlDialog::ausfuehren() {
    form_.FormShow();
    edit1_->setText(QString::fromStdString(form_.Edit1.text));
    ok_->setText(QString::fromStdString(form_.Button1.caption));
    abbruch_->setText(QString::fromStdString(form_.Button2.caption));
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
        fehlerZeigen("Unbekannter Fehler.");
    }
    if (!darf) {
        edit1_->setFocus();
        edit1_->selectAll();
        return;
    }
    QDialog::done(ergebnis);
}
