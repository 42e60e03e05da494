#include "ui/weiterfrage.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "ui/einstellungen.h"

bool weiterBestaetigt(QWidget* eltern, const std::vector<std::string>& vermeidbar) {
    if (vermeidbar.empty() || !einstellungen::vorWeiterFragen()) return true;
    QString text =
        QStringLiteral("Der Ausblick sieht für diesen Monat Verluste, die sich jetzt noch vermeiden lassen:\n");
    for (const std::string& v : vermeidbar) text += QStringLiteral("\n• ") + QString::fromStdString(v);
    text += QStringLiteral("\n\nTrotzdem weiter?");
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"), text, QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    // Return, pressed out of habit, keeps the month open.
    box.setDefaultButton(nein);
    box.setEscapeButton(nein);
    auto* nichtMehr = new QCheckBox(QStringLiteral("Nicht mehr fragen"), &box);
    box.setCheckBox(nichtMehr);
    box.exec();
    if (nichtMehr->isChecked()) einstellungen::setzeVorWeiterFragen(false);
    return box.clickedButton() == ja;
}
