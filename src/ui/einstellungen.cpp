#include "ui/einstellungen.h"

#include <QSettings>

#include <algorithm>

namespace {
QSettings ablage() {
    // One file for all of the player's settings.
    return QSettings(QStringLiteral("Trevo"), QStringLiteral("Trevo"));
}
}  // namespace

namespace einstellungen {

bool musik() { return ablage().value(QStringLiteral("Musik"), true).toBool(); }
void setzeMusik(bool an) { ablage().setValue(QStringLiteral("Musik"), an); }
bool klaenge() { return ablage().value(QStringLiteral("Klaenge"), true).toBool(); }
void setzeKlaenge(bool an) { ablage().setValue(QStringLiteral("Klaenge"), an); }

int lautstaerke() {
    // A hand-edited value outside 0..100 (or no number) is held at the edge.
    bool zahl = false;
    const int v = ablage().value(QStringLiteral("Lautstaerke"), 100).toInt(&zahl);
    return zahl ? std::clamp(v, 0, 100) : 100;
}
void setzeLautstaerke(int prozent) { ablage().setValue(QStringLiteral("Lautstaerke"), std::clamp(prozent, 0, 100)); }

bool vorWeiterFragen() { return ablage().value(QStringLiteral("ausblick/vorWeiterFragen"), true).toBool(); }
void setzeVorWeiterFragen(bool fragen) { ablage().setValue(QStringLiteral("ausblick/vorWeiterFragen"), fragen); }
bool vorWeiterJungeFragen() { return ablage().value(QStringLiteral("ausblick/vorWeiterJungeFragen"), true).toBool(); }
void setzeVorWeiterJungeFragen(bool fragen) {
    ablage().setValue(QStringLiteral("ausblick/vorWeiterJungeFragen"), fragen);
}

QStringList zuletztGespielt() { return ablage().value(QStringLiteral("spiele/zuletzt")).toStringList(); }

void spielGespielt(const QString& datei) {
    QStringList liste = zuletztGespielt();
    // A start of the game already at the front writes nothing.
    if (!liste.isEmpty() && liste.constFirst() == datei) return;
    liste.removeAll(datei);
    liste.prepend(datei);
    while (liste.size() > 8) liste.removeLast();
    ablage().setValue(QStringLiteral("spiele/zuletzt"), liste);
}

Sprache sprache() {
    return spracheAusSchluessel(ablage().value(QStringLiteral("Sprache"), QStringLiteral("System")).toString());
}
void setzeSprache(Sprache s) { ablage().setValue(QStringLiteral("Sprache"), spracheSchluessel(s)); }

}  // namespace einstellungen
