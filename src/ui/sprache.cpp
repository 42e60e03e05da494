#include "ui/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
Sprache eingerichtet = Sprache::deutsch;
}  // namespace

QString spracheSchluessel(Sprache s) {
    switch (s) {
        case Sprache::deutsch: return QStringLiteral("de");
        case Sprache::englisch: return QStringLiteral("en");
        case Sprache::system: break;
    }
    return QStringLiteral("System");
}

Sprache spracheAusSchluessel(const QString& schluessel) {
    if (schluessel == QLatin1String("de")) return Sprache::deutsch;
    if (schluessel == QLatin1String("en")) return Sprache::englisch;
    return Sprache::system;
}

Sprache spracheDesSystems(const QStringList& uiSprachen) {
    if (uiSprachen.isEmpty()) return Sprache::englisch;
    const QString erste = uiSprachen.front();
    return erste.size() >= 2 && erste.left(2).compare(QLatin1String("de"), Qt::CaseInsensitive) == 0 &&
                   (erste.size() == 2 || erste.at(2) == QLatin1Char('-') || erste.at(2) == QLatin1Char('_'))
               ? Sprache::deutsch
               : Sprache::englisch;
}

Sprache gesprochen(Sprache wahl) {
    return wahl == Sprache::system ? spracheDesSystems(QLocale::system().uiLanguages()) : wahl;
}

void spracheEinrichten(Sprache wahl) {
    // Made once: a second call (the tests) takes the first ones away again.
    static QTranslator spiel;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&spiel);
    QCoreApplication::removeTranslator(&qt);
    eingerichtet = gesprochen(wahl);
    const QString qtOrt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (eingerichtet == Sprache::englisch) {
        // The game's texts from the translation built into the program; Qt's
        // own texts are English already.
        if (spiel.load(QStringLiteral(":/uebersetzungen/trevo_en.qm"))) QCoreApplication::installTranslator(&spiel);
    } else {
        // Qt's own menus and buttons in German too (the system menu of a
        // window, a text box's edit menu); without the package of Qt's
        // translations they stay English.
        if (qt.load(QStringLiteral("qtbase_de"), qtOrt)) QCoreApplication::installTranslator(&qt);
    }
}

Sprache aktuelleSprache() { return eingerichtet; }
