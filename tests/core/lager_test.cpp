// Goods windows and the four stores: trades, enlargement, fill level, save.
#include <gtest/gtest.h>

#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "goods/stores.h"
#include "market/preiseform.h"
#include "pixelcanvas.h"
#include "spielumgebung.h"

namespace {
int32_t ankauf(int32_t gut) { return PreiseForm->ankaufspreis(gut); }
int32_t verkauf(int32_t gut) { return PreiseForm->verkaufspreis(gut); }
std::string buchung(int64_t betrag, const std::string& text) {
    return "buchung\t" + std::to_string(betrag) + "\t" + text;
}
const std::string zuViel = "meldung\tschlicht\tDas ist zu viel!";
const std::string zuVielMaximum = "meldung\tschlicht\tDas ist zu viel!\\r\\rKlicken Sie auf Maximum, um es zu erhöhen.";
}  // namespace

TEST(Lager, NachNeuemSpiel) {
    Spielumgebung u;
    u.starten();
    struct Soll {
        TSiloForm* s;
        const char* caption;
        int32_t max, menge, links, oben, zeilen;
        Farbe farbe;
        const char* mengeText;
    };
    for (const Soll& soll : {Soll{FutterForm, "Futter", 600, 120, 280, 330, 12, {0, 128, 0}, "120 kg"},
                             Soll{DieselForm, "Diesel", 1000, 360, 310, 350, 22, {154, 116, 131}, "360 Liter"},
                             Soll{GetreideForm, "Getreide", 800, 7, 340, 370, 1, {255, 255, 0}, "7 DZentner"},
                             Soll{RuebenForm, "Rüben", 700, 40, 370, 390, 3, {85, 85, 0}, "40 DZentner"}}) {
        SCOPED_TRACE(soll.caption);
        EXPECT_EQ(soll.s->caption, soll.caption);
        EXPECT_EQ(soll.s->maxmenge, soll.max);
        EXPECT_EQ(soll.s->menge, soll.menge);
        EXPECT_EQ(soll.s->left, soll.links);
        EXPECT_EQ(soll.s->top, soll.oben);
        EXPECT_EQ(soll.s->clientWidth, 100);
        EXPECT_EQ(soll.s->clientHeight, 108);
        EXPECT_EQ(soll.s->farbe, soll.farbe);
        EXPECT_EQ(soll.s->MengeLabel.caption, soll.mengeText);
        EXPECT_EQ(soll.s->SizeButton.caption, ">>");
        EXPECT_EQ(soll.s->fuellZeilen(), soll.zeilen);

        // On the pixels: the fill's top edge lies f rows above the body's bottom.
        PixelCanvas c(100, 108);
        soll.s->zeichneFuellstand(c);
        int32_t oben = 11;
        while (oben < 70 && c.at(30, oben) == PixelCanvas::knopf) ++oben;
        EXPECT_EQ(70 - oben, soll.zeilen);
        if (soll.zeilen >= 3) {
            EXPECT_EQ(c.at(30, 68), soll.farbe);
        }
        EXPECT_EQ(c.at(30, 10), (Farbe{0, 0, 0}));
        EXPECT_EQ(c.at(10, 40), (Farbe{0, 0, 0}));
        EXPECT_EQ(c.at(49, 40), (Farbe{0, 0, 0}));
        EXPECT_EQ(c.at(50, 40), PixelCanvas::hintergrund) << "right edge exclusive";
        EXPECT_EQ(c.at(30, 70), PixelCanvas::hintergrund) << "bottom edge exclusive";
        EXPECT_EQ(c.at(20, 70), (Farbe{0, 0, 0})) << "legs start at the body";
        EXPECT_EQ(c.at(11, 79), (Farbe{0, 0, 0}));
        EXPECT_EQ(c.at(10, 80), PixelCanvas::hintergrund) << "a line's end point is not drawn";
        EXPECT_EQ(c.at(49, 79), (Farbe{0, 0, 0}));
    }
}

TEST(Lager, FuellstandGrenzfaelle) {
    Spielumgebung u;
    u.starten();
    TSiloForm& s = *GetreideForm;
    s.setzeMenge(0);
    PixelCanvas leer(100, 108);
    s.zeichneFuellstand(leer);
    EXPECT_EQ(leer.at(30, 68), PixelCanvas::knopf) << "an empty store shows the empty body";
    s.setzeMenge(800);
    PixelCanvas voll(100, 108);
    s.zeichneFuellstand(voll);
    EXPECT_EQ(voll.at(30, 11), (Farbe{255, 255, 0}));
    EXPECT_EQ(voll.at(30, 10), (Farbe{0, 0, 0}));
    s.setzeMaxMenge(0);
    PixelCanvas ohne(100, 108);
    s.zeichneFuellstand(ohne);
    EXPECT_EQ(ohne.gezeichnet(), 0) << "capacity 0: no picture at all";
    s.setzeMaxMenge(100);  // below the stock of 800
    PixelCanvas ueber(100, 108);
    s.zeichneFuellstand(ueber);
    EXPECT_EQ(ueber.gezeichnet(), 0) << "stock above capacity: no picture";
    EXPECT_EQ(MulDiv(1, 60, 120), 1) << "halves round up";
    EXPECT_EQ(MulDiv(2147483647, 60, 2147483647), 60) << "no overflow";
}

TEST(Lager, KaufenUndVerkaufenUeberDenMengendialog) {
    Spielumgebung u;
    u.starten();
    TSiloForm& f = *FutterForm;
    const int64_t geld = KontrollForm->geld;

    u.tippe({"480"});
    f.KVButtonClick(f.KaufenButton);
    EXPECT_EQ(f.menge, 600);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(-480LL * ankauf(nrFutter), "Futter-Kauf 480 kg"));
    EXPECT_EQ(KontrollForm->geld, geld - 480 * ankauf(nrFutter));
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "Futter-Kauf 480 kg");

    u.tippe({"1"});
    f.KVButtonClick(f.KaufenButton);
    EXPECT_EQ(f.menge, 600);
    EXPECT_EQ(u.plattform.protokoll.back(), zuVielMaximum);

    u.tippe({"600"});
    f.KVButtonClick(f.VKaufenButton);
    EXPECT_EQ(f.menge, 0);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(600LL * verkauf(nrFutter), "Futter-Verkauf 600 kg"));

    u.tippe({"1"});
    f.KVButtonClick(f.VKaufenButton);
    EXPECT_EQ(u.plattform.protokoll.back(), zuViel);

    u.tippe({"0"});
    f.KVButtonClick(f.VKaufenButton);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(0, "Futter-Kauf 0 kg")) << "0 counts as a purchase";

    f.setzeMenge(100);
    u.tippe({"-30"});
    f.KVButtonClick(f.KaufenButton);
    EXPECT_EQ(f.menge, 70) << "a negative purchase is a sale";
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(30LL * verkauf(nrFutter), "Futter-Verkauf 30 kg"));

    const auto anzahl = u.plattform.protokoll.size();
    u.tippe({"12a", "abc"});  // nothing accepted: cancelled
    f.KVButtonClick(f.KaufenButton);
    f.KVButtonClick(f.KaufenButton);  // no answer at all: cancelled
    EXPECT_EQ(u.plattform.protokoll.size(), anzahl);
    EXPECT_EQ(f.menge, 70);
}

TEST(Lager, KaufUeberDasGuthabenHinaus) {
    Spielumgebung u;
    u.starten();
    DieselForm->setzeMaxMenge(1000000);
    u.tippe({"500000"});
    DieselForm->KVButtonClick(DieselForm->KaufenButton);
    EXPECT_EQ(DieselForm->menge, 500360);
    EXPECT_EQ(KontrollForm->geld, 1000000 - 500000 * ankauf(nrDiesel));
    EXPECT_LT(KontrollForm->geld, 0);
}

// Amounts beyond 32 bits are booked whole: the balance is held in 64 bits.
// What does not fit is the stock (a count of 32 bits): a sale of 2^31 after
// "Kaufen", an enlargement past 2^31-1.
TEST(Lager, BetraegeJenseitsVon32Bit) {
    Spielumgebung u;
    u.starten();
    TSiloForm& d = *DieselForm;
    d.setzeMaxMenge(2147483647);
    const int64_t geld = KontrollForm->geld;
    u.tippe({"2000000000"});
    d.KVButtonClick(d.KaufenButton);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(-2000000000LL * ankauf(nrDiesel), "Diesel-Kauf 2000000000 Liter"));
    EXPECT_EQ(d.menge, 2000000360);
    EXPECT_EQ(KontrollForm->geld, geld - 2000000000LL * ankauf(nrDiesel));

    u.tippe({"-2147483648"});  // a sale of 2^31 after "Kaufen"
    d.KVButtonClick(d.KaufenButton);
    EXPECT_EQ(u.plattform.protokoll.back(), zuViel);
    EXPECT_EQ(d.menge, 2000000360);

    u.plattform.leeren();
    d.setzeMaxMenge(2000000000);
    d.MaxMengeLbClick();  // 3e9 would not fit
    EXPECT_EQ(u.plattform.protokoll, std::vector<std::string>{zuViel});
    EXPECT_EQ(d.maxmenge, 2000000000);
}

TEST(Lager, Vergroesserung) {
    Spielumgebung u;
    u.starten();
    TSiloForm& f = *FutterForm;
    const int32_t k = 300 * ankauf(nrFutter);
    f.MaxMengeLbClick();  // no answer: "&Nein"
    EXPECT_EQ(u.plattform.protokoll.back(),
              "meldung\tBestätigen\tEs ist möglich die Maximalmenge um 50% zu erhöhen.\\rDies würde Kosten von " +
                  geldText(k) + " verursachen.\\r\\rMöchten Sie dies tun?");
    EXPECT_EQ(f.maxmenge, 600);
    u.plattform.antworten.push_back(Antwort::Ja);
    f.MaxMengeLbClick();
    EXPECT_EQ(f.maxmenge, 900);
    EXPECT_EQ(f.MaxMengeLb.caption, "Maximum:\r900 kg");
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(-k, "Vergrößerung"));
    EXPECT_EQ(f.fuellZeilen(), 8) << "the same stock fills less of the body";

    for (int32_t start : {0, 1}) {
        f.setzeMaxMenge(start);
        u.plattform.antworten.push_back(Antwort::Ja);
        f.MaxMengeLbClick();
        EXPECT_EQ(f.maxmenge, start);
        EXPECT_EQ(u.plattform.protokoll.back(), buchung(0, "Vergrößerung"));
    }
}

TEST(Lager, KapazitaetUnterDemBestand) {
    Spielumgebung u;
    u.starten();
    TSiloForm& r = *RuebenForm;
    r.setzeMaxMenge(30);  // stock 40 stays
    EXPECT_EQ(r.menge, 40);
    u.tippe({"1"});
    r.KVButtonClick(r.KaufenButton);
    EXPECT_EQ(u.plattform.protokoll.back(), zuVielMaximum);
    u.tippe({"5"});
    r.KVButtonClick(r.VKaufenButton);
    EXPECT_EQ(u.plattform.protokoll.back(), zuViel) << "40 - 5 is still above 30";
    u.tippe({"10"});
    r.KVButtonClick(r.VKaufenButton);
    EXPECT_EQ(r.menge, 30);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(10LL * verkauf(nrRueben), "Rüben-Verkauf 10 DZentner"));
}

TEST(Lager, RechtsklickHandel) {
    Spielumgebung u;
    u.starten();
    TSiloForm& f = *FutterForm;
    f.KVButtonMouseDown(f.VKaufenButton, false);
    EXPECT_TRUE(u.plattform.protokoll.empty()) << "only the right button trades";
    f.KVButtonMouseDown(f.VKaufenButton, true);
    EXPECT_EQ(f.menge, 0);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(120LL * verkauf(nrFutter), "Futter-Verkauf 120 kg"));
    f.KVButtonMouseDown(f.VKaufenButton, true);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(0, "Futter-Kauf 0 kg"));
    f.KVButtonMouseDown(f.KaufenButton, true);
    EXPECT_EQ(f.menge, 600);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(-600LL * ankauf(nrFutter), "Futter-Kauf 600 kg"));
    f.KVButtonMouseDown(f.KaufenButton, true);
    EXPECT_EQ(u.plattform.protokoll.back(), buchung(0, "Futter-Kauf 0 kg"));
    EXPECT_TRUE(u.plattform.dialogAntworten.empty());
}

TEST(Lager, GroesseUndSpeichern) {
    Spielumgebung u;
    u.starten();
    TSiloForm& g = *GetreideForm;
    g.SizeButtonClick();
    EXPECT_TRUE(g.erweitert);
    EXPECT_EQ(g.clientWidth, 290);
    EXPECT_EQ(g.SizeButton.caption, "<<");
    u.neustart();
    EXPECT_FALSE(GetreideForm->erweitert) << "a window saved expanded opens collapsed";
    EXPECT_EQ(GetreideForm->clientWidth, 100);
}

TEST(Lager, BestandAusserhalbDerKapazitaetImSpielstand) {
    Spielumgebung u;
    u.schreibeDatei("[FutterForm]\r\nmaxmenge=50\r\nmenge=80\r\n[DieselForm]\r\nmenge=-5\r\n");
    u.starten();
    EXPECT_EQ(FutterForm->maxmenge, 50);
    EXPECT_EQ(FutterForm->menge, 120) << "the refused stock keeps the new-game value";
    EXPECT_EQ(DieselForm->menge, 360);
}
