// The face in English and German: chosen from the desktop's languages or the
// player's setting, the English texts built into the program.
#include <QMenuBar>

#include "ui/einstellungen.h"
#include "ui/sprache.h"
#include "umgebung.h"

TEST(Sprache, DesSystemsNachDerErstenSprache) {
    for (const char* de : {"de", "de-DE", "de-AT", "de_CH", "DE-de"})
        EXPECT_EQ(spracheDesSystems({QString::fromLatin1(de), QStringLiteral("en")}), Sprache::deutsch) << de;
    for (const char* en : {"en-US", "C", "fr-FR", "dsb-DE", "dz", ""})
        EXPECT_EQ(spracheDesSystems({QString::fromLatin1(en), QStringLiteral("de-DE")}), Sprache::englisch) << en;
    EXPECT_EQ(spracheDesSystems({}), Sprache::englisch);
    // A hand-edited setting the game does not know is the system's.
    for (Sprache s : {Sprache::system, Sprache::deutsch, Sprache::englisch})
        EXPECT_EQ(spracheAusSchluessel(spracheSchluessel(s)), s);
    EXPECT_EQ(spracheAusSchluessel(QStringLiteral("fr")), Sprache::system);
}

namespace {

class Englisch : public Umgebung {
protected:
    void TearDown() override {
        Umgebung::TearDown();
        spracheEinrichten(Sprache::deutsch);
        einstellungen::setzeSprache(Sprache::system);
    }
    QStringList menues() const {
        QStringList titel;
        for (QAction* a : rahmen->menuBar()->actions()) titel << a->text();
        return titel;
    }
};

}  // namespace

TEST_F(Englisch, DasFensterSprichtEnglisch) {
    spracheEinrichten(Sprache::englisch);
    EXPECT_EQ(aktuelleSprache(), Sprache::englisch);
    starten();
    EXPECT_EQ(menues(), (QStringList{"&Trevo", "&Window", "&Settings", "&Help"}));
    EXPECT_EQ(rahmen->endeAktion()->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(rahmen->neuesSpielAktion()->text(), QStringLiteral("&New Game"));
    // The languages keep their own names.
    QStringList sprachen;
    for (QAction* a : rahmen->spracheAktionen()) sprachen << a->text();
    EXPECT_EQ(sprachen, (QStringList{"&System", "&Deutsch", "&English"}));
    // A typed message of the core in English, with the box's own words.
    ModalAntworten antworten;
    GesehenerKasten kasten;
    antworten.dann(klickeKnopf(QStringLiteral("Cancel"), &kasten));
    rahmen->neuesSpielAktion()->trigger();
    warten();
    ASSERT_TRUE(antworten.fertig());
    EXPECT_EQ(kasten.titel, QStringLiteral("Confirm"));
    EXPECT_EQ(kasten.text, QStringLiteral("Do you really want to start all over again?"));
    EXPECT_EQ(kasten.knoepfe, (QStringList{"OK", "Cancel"}));
}

TEST_F(Englisch, DieWahlGiltAbDemNaechstenStartUndSagtEsInIhrerSprache) {
    einstellungen::setzeSprache(Sprache::system);
    starten();
    const auto& wahl = rahmen->spracheAktionen();
    ASSERT_EQ(wahl.size(), 3u);
    EXPECT_TRUE(wahl[0]->isChecked());

    ModalAntworten antworten;
    GesehenerKasten englisch;
    GesehenerKasten deutsch;
    antworten.dann(klickeKnopf(QStringLiteral("OK"), &englisch));
    antworten.dann(klickeKnopf(QStringLiteral("OK"), &deutsch));
    wahl[2]->trigger();
    warten();
    EXPECT_EQ(einstellungen::sprache(), Sprache::englisch);
    // The same choice again says nothing.
    wahl[2]->trigger();
    wahl[1]->trigger();
    warten();
    ASSERT_TRUE(antworten.fertig());
    EXPECT_EQ(englisch.titel, QStringLiteral("Language"));
    EXPECT_EQ(englisch.text, QStringLiteral("Trevo will speak English from the next start."));
    EXPECT_EQ(deutsch.titel, QStringLiteral("Sprache"));
    EXPECT_EQ(deutsch.text, QStringLiteral("Trevo spricht ab dem nächsten Start Deutsch."));
    EXPECT_EQ(einstellungen::sprache(), Sprache::deutsch);
    // The window speaks as it did until then; the next one shows the choice.
    EXPECT_EQ(rahmen->endeAktion()->text(), QStringLiteral("Programm be&enden"));
    neustart();
    EXPECT_TRUE(rahmen->spracheAktionen()[1]->isChecked());
}
