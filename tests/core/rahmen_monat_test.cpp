// Start-up, month step, account statement and the save file of a whole game.
#include <gtest/gtest.h>

#include <limits>

#include <filesystem>

#include "rahmen/anzahlform.h"
#include "hofbuch/hofbuch.h"
#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "geld/zufall.h"
#include "spielumgebung.h"

namespace {

// A game window that notes when its monthly step runs.
class Zeuge : public TkindForm {
public:
    Zeuge(std::string n, std::vector<std::string>& log) : TkindForm(std::move(n), "Zeuge"), log_(log) {}
    void weiter() override { log_.push_back(name()); }
    void FormActivate() override { log_.push_back("aktiv " + name()); }

private:
    std::vector<std::string>& log_;
};

}  // namespace

TEST(Start, NeuesSpielOhneSpielstand) {
    Spielumgebung u;
    u.starten();
    EXPECT_TRUE(u.plattform.protokoll.empty()) << "the start books nothing with a remark";
    // The child list holds the game windows in creation order, but for the
    // outlook, which has no month of its own.
    ASSERT_EQ(MainForm->kinder().size() + 1, u.spiel->fenster().size());
    EXPECT_EQ(u.spiel->fenster().back()->name(), "AusblickForm");
    EXPECT_EQ(MainForm->kinder().front()->name(), "PreiseForm");
    EXPECT_EQ(MainForm->kinder().back()->name(), "RuebenForm");
}

TEST(Monat, WeiterBuchtKostenUndDrehtDenKalender) {
    Spielumgebung u;
    u.starten();
    KontrollForm->Button1Click();
    ASSERT_EQ(u.plattform.protokoll.size(), 1u);
    EXPECT_EQ(u.plattform.protokoll[0].rfind("buchung\t-", 0), 0u);
    EXPECT_NE(u.plattform.protokoll[0].find("\tSonstige Kosten"), std::string::npos);
    EXPECT_EQ(KontoForm->letzteZeile, 1);
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "Sonstige Kosten");
    const int64_t kosten = 1000000 - KontrollForm->geld;
    EXPECT_GE(kosten, 35135);
    EXPECT_LE(kosten, 39265);
    EXPECT_EQ(KontoForm->StringGrid1.cell(1, 1), rechtsbuendig(geldText(-kosten), 15));
    EXPECT_EQ(KontrollForm->Label1.caption, "April 2001");
    EXPECT_GE(KontrollForm->temperatur, 7);
    EXPECT_LE(KontrollForm->temperatur, 9);

    for (int i = 0; i < 9; ++i) KontrollForm->Button1Click();
    EXPECT_EQ(KontrollForm->Label1.caption, "Januar 2002");
    EXPECT_GE(KontrollForm->temperatur, -2);
    EXPECT_LE(KontrollForm->temperatur, 0);
    EXPECT_EQ(KontoForm->letzteZeile, 9);
    for (int z = 1; z <= 9; ++z) EXPECT_EQ(KontoForm->StringGrid1.cell(0, z), "Sonstige Kosten");
}

TEST(Monat, ReihenfolgeDerMonatsschritteFolgtDerAktivierung) {
    Spielumgebung u;
    u.starten();
    std::vector<std::string> log;
    Zeuge a("A", log), b("B", log), c("C", log);
    MainForm->kindHinzufuegen(&a);
    MainForm->kindHinzufuegen(&b);
    MainForm->kindHinzufuegen(&c);

    KontrollForm->Button1Click();
    EXPECT_EQ(log, (std::vector<std::string>{"C", "B", "A"})) << "least recently activated first";

    log.clear();
    MainForm->aktiviert(&b);
    MainForm->aktiviert(&b);  // already active: no second activation
    MainForm->aktiviert(&a);
    EXPECT_EQ(log, (std::vector<std::string>{"aktiv B", "aktiv A"}));
    log.clear();
    KontrollForm->Button1Click();
    EXPECT_EQ(log, (std::vector<std::string>{"C", "B", "A"}));

    log.clear();
    MainForm->aktiviert(&c);
    MainForm->aktiviert(KontrollForm);
    log.clear();
    KontrollForm->Button1Click();
    EXPECT_EQ(log, (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(MainForm->kinder().front(), KontrollForm);

    MainForm->kindEntfernen(&a);
    MainForm->kindEntfernen(&b);
    MainForm->kindEntfernen(&c);
}

TEST(Monat, FuttermangelEinmalMitKlangUndWarnung) {
    Spielumgebung u;
    u.starten();
    class Hungrig : public TkindForm {
    public:
        Hungrig() : TkindForm("H", "H") {}
        void weiter() override { futterMangel = true; }
    } h1, h2;
    MainForm->kindHinzufuegen(&h1);
    MainForm->kindHinzufuegen(&h2);
    KontrollForm->Button1Click();
    ASSERT_EQ(u.plattform.protokoll.size(), 3u);
    EXPECT_EQ(u.plattform.protokoll[1], "klang\tBOING");
    EXPECT_EQ(u.plattform.protokoll[2], "meldung\tWarnung\tWegen Futtermangel sind einige Tiere gestorben!");
    MainForm->kindEntfernen(&h1);
    MainForm->kindEntfernen(&h2);
    u.plattform.leeren();
    KontrollForm->Button1Click();
    EXPECT_EQ(u.plattform.protokoll.size(), 1u) << "a month without hunger has no sound and no message";
}

TEST(Konto, ZehnteBuchungSchiebtDieErsteHinaus) {
    Spielumgebung u;
    u.starten();
    for (int i = 1; i <= 9; ++i) KontrollForm->buchen(-i, "B" + std::to_string(i), {});
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "B1");
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 9), "B9");
    KontrollForm->buchen(-37200, "B10", {});
    EXPECT_EQ(KontoForm->letzteZeile, 9);
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "B2");
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 8), "B9");
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 9), "B10");
    EXPECT_EQ(KontoForm->StringGrid1.cell(1, 9), "    -372,00 EUR");
    KontrollForm->buchen(5, "", {});
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 9), "B10") << "an empty remark adds no row";
}

// The balance is held in 64 bits: a booking that passes the 32-bit edge
// reaches the account whole; only at the 64-bit limits is it held, and the
// statement shows what really moved. Such a balance survives the restart.
TEST(Konto, GuthabenIn64Bit) {
    Spielumgebung u;
    u.starten();
    KontrollForm->buchen(2147483647, "viel", {});
    EXPECT_EQ(KontrollForm->geld, 2148483647);
    EXPECT_EQ(KontrollForm->Label2.caption, "Guthaben: 21484836,47 EUR");
    EXPECT_EQ(KontoForm->StringGrid1.cell(1, 1), "21474836,47 EUR");
    const int64_t groesst = std::numeric_limits<int64_t>::max();
    KontrollForm->buchen(groesst, "zu viel", {});
    EXPECT_EQ(KontrollForm->geld, groesst);
    EXPECT_EQ(KontoForm->StringGrid1.cell(1, 2), geldText(groesst - 2148483647)) << "only what reached the account";
    EXPECT_FALSE(KontrollForm->kannBuchen(1));
    EXPECT_TRUE(KontrollForm->kannBuchen(-groesst));
    KontrollForm->buchen(-groesst, "weg", {});
    KontrollForm->buchen(-groesst, "weg", {});
    KontrollForm->buchen(-groesst, "weg", {});
    EXPECT_EQ(KontrollForm->geld, std::numeric_limits<int64_t>::min()) << "held at the limit";
    EXPECT_EQ(KontrollForm->Label2.caption, "Guthaben: -92233720368547758,08 EUR");
    // The logbook keeps such months as well.
    KontrollForm->Button1Click();
    EXPECT_EQ(u.spiel->hofbuch().zeilen().size(), 1u);
    KontrollForm->geld = 5000000000;
    u.neustart();
    EXPECT_EQ(u.spiel->hofbuch().zeilen().size(), 1u) << "the row at the limit reads back";
    EXPECT_EQ(u.spiel->hofbuch().unlesbareZeilen(), 0);
    EXPECT_EQ(KontrollForm->geld, 5000000000);
    EXPECT_NE(u.datei().find("\r\ngeld=5000000000\r\n"), std::string::npos);
}

TEST(Spielstand, FehlendeSchluesselUndFremdeZeilen) {
    Spielumgebung u;
    u.schreibeDatei(
        "# von Hand\r\n"
        "[KONTROLLE]\r\n"
        "MONAT=11\r\n"
        "Jahr=1999\r\n"
        "[kontrollform]\r\n"
        "X=-20\r\n"
        "wstat=1\r\n");
    u.starten();
    EXPECT_EQ(KontrollForm->Label1.caption, "November 1999");
    EXPECT_EQ(KontrollForm->geld, 1000000) << "a missing geld keeps the new-game balance";
    EXPECT_EQ(KontrollForm->left, -20) << "loaded as it stands";
    EXPECT_EQ(KontrollForm->top, 5);
    EXPECT_EQ(KontrollForm->windowState, FensterZustand::minimiert);
    ASSERT_TRUE(u.beenden());
    const std::string d = u.datei();
    EXPECT_EQ(d.rfind("# von Hand\r\n[KONTROLLE]\r\nMONAT=11\r\nJahr=1999\r\ngeld=1000000\r\n"
                      "[kontrollform]\r\nX=1\r\nwstat=1\r\ny=5\r\nw=280\r\nh=103\r\n",
                      0),
              0u)
        << d;
}

TEST(Spielstand, UngueltigerMonatBeginntImMaerz) {
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=13\r\njahr=2010\r\n");
    u.starten();
    EXPECT_EQ(KontrollForm->Label1.caption, "März 2010");
    u.spiel.reset();
    u.schreibeDatei("[Kontrolle]\r\nmonat=-4\r\njahr=2010\r\n");
    u.starten();
    EXPECT_EQ(KontrollForm->monat, 3);
}

TEST(Spielstand, OhneGeordnetesEndeWirdNichtsGeschrieben) {
    Spielumgebung u;
    u.starten();
    KontrollForm->Button1Click();
    u.spiel.reset();  // as after a crash
    EXPECT_FALSE(std::filesystem::exists(u.dateiPfad()));
}

TEST(Rahmen, AnordnenLaesstDenFensterzustand) {
    Spielumgebung u;
    u.starten();
    KontoForm->gezogen(99, 98, 294, 167, FensterZustand::minimiert);
    KontrollForm->gezogen(70, 80, 280, 103, FensterZustand::maximiert);
    MainForm->FensterAnordnen1Click();
    EXPECT_EQ(KontoForm->left, 350);
    EXPECT_EQ(KontoForm->top, 5);
    EXPECT_EQ(KontoForm->windowState, FensterZustand::minimiert);
    EXPECT_EQ(KontrollForm->left, 5);
    EXPECT_EQ(KontrollForm->windowState, FensterZustand::maximiert);
}

TEST(Rahmen, MusikUndHilfe) {
    Spielumgebung u;
    u.starten();  // no trevo.ogg: silent, no message
    EXPECT_FALSE(MainForm->musikAn);
    EXPECT_TRUE(u.plattform.protokoll.empty());
    EXPECT_THROW(
        {
            try {
                MainForm->MusikAnAusClick();
            } catch (const Ausnahme& e) {
                EXPECT_STREQ(e.what(), "Kein MCI-Gerät geöffnet.");
                throw;
            }
        },
        Ausnahme);
    EXPECT_FALSE(MainForm->musikAn);

    MainForm->hilfeClick();
    ASSERT_EQ(u.plattform.hilfeAufrufe.size(), 1u);
    EXPECT_EQ(u.plattform.hilfeAufrufe[0], "inhalt " + (u.verzeichnis / "trevo.html").string());

    u.spiel.reset();
    std::ofstream(u.verzeichnis / "trevo.ogg") << "OggS";
    u.starten();
    auto& m = u.plattform.musikSpieler;
    EXPECT_TRUE(MainForm->musikAn);
    EXPECT_TRUE(m.spielt());
    MainForm->MusikAnAusClick();
    EXPECT_FALSE(MainForm->musikAn);
    EXPECT_FALSE(m.spielt());
    MainForm->MediaPlayer1Notify();
    EXPECT_FALSE(m.spielt()) << "no restart after the player switched it off";
    MainForm->MusikAnAusClick();
    EXPECT_TRUE(MainForm->musikAn);
    m.ende();
    MainForm->MediaPlayer1Notify();
    EXPECT_TRUE(m.spielt()) << "the piece starts again while the music is on";
}

TEST(Anzahl, Umwandlung) {
    using A = TAnzahlForm;
    EXPECT_EQ(A::umwandeln("1"), 1);
    EXPECT_EQ(A::umwandeln("-5"), -5);
    EXPECT_EQ(A::umwandeln("0"), 0);
    EXPECT_EQ(A::umwandeln(" 7"), 7);
    EXPECT_EQ(A::umwandeln("   +7"), 7);
    EXPECT_EQ(A::umwandeln("$1F"), 31);
    EXPECT_EQ(A::umwandeln("$1f"), 31);
    EXPECT_EQ(A::umwandeln("$FFFFFFFF"), -1);
    EXPECT_EQ(A::umwandeln("2147483647"), 2147483647);
    EXPECT_EQ(A::umwandeln("-2147483648"), -2147483647 - 1);
    for (const char* t : {"12a", "12 ", "", " ", "-", "+", "$", "$1G", "2147483648", "-2147483649", "$100000000",
                          "1.5", "1,5", "0x10", "- 5", "99999999999999999999"})
        EXPECT_EQ(A::umwandeln(t), std::nullopt) << '"' << t << '"';
}

TEST(Anzahl, DialogBeginntBei1UnterDerMaus) {
    Spielumgebung u;
    u.starten();
    u.plattform.maus = {300, 250};
    AnzahlForm->anzahl = 77;
    u.tippe({"12a", "12 ", ""});
    EXPECT_EQ(u.plattform.zeigeModal(*AnzahlForm), ModalErgebnis::Abbruch);
    EXPECT_EQ(AnzahlForm->anzahl, 77) << "cancel keeps the old number";
    EXPECT_EQ(AnzahlForm->left, 260);
    EXPECT_EQ(AnzahlForm->top, 210);
    AnzahlForm->Edit1.text = "55";
    u.plattform.dialogAntworten.push_back([](TDialog& d) {
        EXPECT_EQ(dynamic_cast<TAnzahlForm&>(d).Edit1.text, "1") << "every opening starts from 1";
        return d.FormCloseQuery(true) ? ModalErgebnis::OK : ModalErgebnis::Abbruch;
    });
    EXPECT_EQ(u.plattform.zeigeModal(*AnzahlForm), ModalErgebnis::OK);
    EXPECT_EQ(AnzahlForm->anzahl, 1);
}
