#include "ui/weiterfrage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/einstellungen.h"
#include "ui/nachrichten.h"

namespace {
// "Trotzdem weiter?" with "&Nein" as the default (Return, pressed out of
// habit, keeps the month open) and "Nicht mehr fragen"; whether the player
// said yes, and in nichtMehr whether the box was ticked.
bool trotzdemWeiter(QWidget* eltern, const QString& text, bool& nichtMehr) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Weiterfrage", "Bestätigen"), text,
                    QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton(QCoreApplication::translate("Weiterfrage", "&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QCoreApplication::translate("Weiterfrage", "&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(nein);
    box.setEscapeButton(nein);
    auto* haken = new QCheckBox(QCoreApplication::translate("Weiterfrage", "Nicht mehr &fragen"), &box);
    box.setCheckBox(haken);
    box.exec();
    nichtMehr = haken->isChecked();
    return box.clickedButton() == ja;
}
}  // namespace

bool weiterBestaetigt(QWidget* eltern, const std::vector<std::string>& vermeidbar) {
    if (vermeidbar.empty() || !einstellungen::vorWeiterFragen()) return true;
    QString text =
        QCoreApplication::translate("Weiterfrage",
                                    "Der Ausblick sieht für diesen Monat Verluste, die sich jetzt noch vermeiden lassen:\n");
    for (const std::string& v : vermeidbar) text += QStringLiteral("\n• ") + kernText(v);
    text += QCoreApplication::translate("Weiterfrage", "\n\nTrotzdem weiter?");
    bool nichtMehr = false;
    const bool ja = trotzdemWeiter(eltern, text, nichtMehr);
    if (nichtMehr) einstellungen::setzeVorWeiterFragen(false);
    return ja;
}

bool weiterTrotzJungen(QWidget* eltern, const std::vector<VerloreneJunge>& junge,
                       std::map<std::string, int>& gefragt) {
    // Each herd once, until its limit changes: the player who keeps a
    // stable full on purpose is not asked every month.
    if (!einstellungen::vorWeiterJungeFragen()) return true;
    std::vector<const VerloreneJunge*> neu;
    for (const VerloreneJunge& j : junge) {
        const auto it = gefragt.find(j.herde);
        if (it == gefragt.end() || it->second != j.limit) neu.push_back(&j);
    }
    if (neu.empty()) return true;
    QString text = QCoreApplication::translate("Weiterfrage", "Im vollen Stall gehen in diesem Monat Junge verloren:\n");
    for (const VerloreneJunge* j : neu) text += QStringLiteral("\n• ") + QString::fromStdString(j->text);
    text += QCoreApplication::translate("Weiterfrage", "\n\nMit einem höheren Maximum blieben sie. Trotzdem weiter?");
    bool nichtMehr = false;
    const bool ja = trotzdemWeiter(eltern, text, nichtMehr);
    if (nichtMehr) einstellungen::setzeVorWeiterJungeFragen(false);
    if (!ja) return false;
    for (const VerloreneJunge* j : neu) gefragt[j->herde] = j->limit;
    return true;
}
