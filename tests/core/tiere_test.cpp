// Herds: what the scripted games cannot see directly — the exact purchase
// weights at the middle of the spread, the number of draws a month takes,
// the list's bounds, the lower balance limit and the purchase dialog.
#include <gtest/gtest.h>

#include <tuple>

#include "geld/kontrollform.h"
#include "geld/zufall.h"
#include "goods/stores.h"
#include "livestock/arten.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"
#include "spielumgebung.h"

namespace {
// The seed after which the generator's next seed is naechster.
uint32_t seedVor(uint32_t naechster) {
    const uint32_t a = 134775813u;
    uint32_t inv = a;  // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i) inv *= 2u - a * inv;
    return (naechster - 1u) * inv;
}
// The seed after which the next Random() is exactly 0.5: the spread then
// leaves a value as it is.
uint32_t seedVorMitte() { return seedVor(0x80000000u); }
// The seed advanced n times.
uint32_t weiterGezogen(uint32_t seed, int n) {
    for (int i = 0; i < n; ++i) seed = seed * 134775813u + 1u;
    return seed;
}
void kaufe(Spielumgebung& u, int32_t klasse) {
    u.plattform.dialogAntworten.push_back([klasse](TDialog& d) {
        dynamic_cast<TTierKaufForm&>(d).ButtonClick(klasse);
        return *d.modalResult;
    });
    KueheForm->KVButtonClick(KueheForm->KaufenButton);
}
}  // namespace

TEST(Herde, KaufGenauAmGewichtDerKlasse) {
    Spielumgebung u;
    u.starten();
    u.plattform.leeren();
    const int32_t preis = PreiseForm->ankaufspreis(nrKuehe);
    randSeed = seedVorMitte();
    kaufe(u, 3);
    EXPECT_EQ(KueheForm->gewicht[1], 7111);
    randSeed = seedVorMitte();
    kaufe(u, 2);
    EXPECT_EQ(KueheForm->gewicht[2], 3556) << "7111 / 2 rounds half to even";
    const auto p = u.plattform.leeren();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0], "buchung\t" + std::to_string(-preis) + "\tKühe Kauf");
    EXPECT_EQ(KueheForm->StringGrid1.cell(1, 1), "355,6 kg");
}

// The span the purchase dialog shows is the one the draw reaches: the
// smallest and the largest draw buy exactly its lightest and heaviest animal
// at exactly its prices, and reading it draws nothing.
TEST(Herde, KaufSpanneIstDieDerZiehung) {
    Spielumgebung u;
    u.starten();
    for (int32_t klasse = 1; klasse <= 3; ++klasse) {
        SCOPED_TRACE(klasse);
        const uint32_t vorher = randSeed;
        const Kaufangebot a = KueheForm->kaufAngebot(klasse);
        EXPECT_EQ(randSeed, vorher);
        EXPECT_LT(a.leichtest, a.gewicht);
        EXPECT_GT(a.schwerst, a.gewicht);
        for (const auto& [naechster, gewicht, preis] :
             {std::tuple{0u, a.leichtest, a.preisVon}, std::tuple{0xFFFFFFFFu, a.schwerst, a.preisBis}}) {
            const int64_t geld = KontrollForm->geld;
            randSeed = seedVor(naechster);
            kaufe(u, klasse);
            EXPECT_EQ(KueheForm->gewicht[static_cast<std::size_t>(KueheForm->tierAnzahl())], gewicht);
            EXPECT_EQ(int64_t{geld} - KontrollForm->geld, preis);
        }
    }
    // What the dialog's labels make of it: whole euros, taken outwards.
    // (The first prices: a cow 1363,44 EUR, a hen 5,46 EUR.)
    TierKaufForm->angebote = KueheForm->kaufAngebote();
    EXPECT_EQ(TierKaufForm->gewichtText(1), "etwa 237 kg");
    EXPECT_EQ(TierKaufForm->preisText(1), "391–518 EUR");  // 391,53 to 517,31
    TierKaufForm->angebote = HuenerForm->kaufAngebote();
    EXPECT_EQ(TierKaufForm->gewichtText(1), "etwa 1,3 kg");
    EXPECT_EQ(TierKaufForm->preisText(1), "1,50–2,05 EUR");
    TierKaufForm->angebote.reset();
}

TEST(Herde, ZuegeEinesMonats) {
    Spielumgebung u;
    u.starten();
    // An empty herd draws nothing.
    uint32_t vorher = randSeed;
    KueheForm->weiter();
    EXPECT_EQ(randSeed, vorher);

    // Five adult cows with breeding and milk: the disease, one growth per
    // animal, the number of births, one weight per birth, the milk.
    for (std::size_t i = 1; i <= 5; ++i) KueheForm->gewicht[i] = 7111;
    KueheForm->setzeMenge(0);
    KueheForm->MehrenCBClick(true);
    KueheForm->GebenCBClick(true);
    FutterForm->setzeMaxMenge(1000);
    FutterForm->setzeMenge(1000);
    const uint32_t start = seedVorMitte();  // Random(1000) = 500: no BSE
    randSeed = start;
    KueheForm->weiter();
    const int geburten = KueheForm->menge - 5;
    ASSERT_GE(geburten, 1);
    EXPECT_EQ(randSeed, weiterGezogen(start, 1 + 5 + 1 + geburten + 1));
    // Round(5 x 7111 x 0.008f) = 284 kg.
    EXPECT_EQ(FutterForm->menge, 1000 - 284);

    // A strike takes the one draw and ends the month of that herd.
    SchweineForm->gewicht[1] = 500;
    SchweineForm->setzeMenge(0);
    randSeed = 0;  // Random(1000) from seed 0 is 0: below 4
    SchweineForm->weiter();
    EXPECT_EQ(randSeed, 1u);
    EXPECT_EQ(SchweineForm->menge, 0);
    EXPECT_EQ(u.plattform.protokoll.back(),
              "meldung\tschlicht\tWegen Verdacht auf Maul und Klauenseuche mussten alle Schweine getötet werden.");
}

TEST(Herde, ListeBleibtInIhrenGrenzen) {
    Spielumgebung u;
    std::string datei = "[HuenerForm]\r\nmaxmenge=1000\r\nmenge=100000\r\nMehren=1\r\n";
    for (int i = 1; i <= 251; ++i) datei += "T" + std::to_string(i) + "=" + (i == 2 ? "-99999" : "40") + "\r\n";
    u.schreibeDatei(datei);
    u.starten();
    TtierForm& h = *HuenerForm;
    EXPECT_EQ(h.tierAnzahl(), 249);
    EXPECT_EQ(h.menge, 249);
    // Beyond 16 bits and negative: held at the lightest animal.
    EXPECT_EQ(h.gewicht[2], 1);
    // Neither a purchase nor a birth goes past 249, whatever the capacity.
    EXPECT_FALSE(h.neuesTier(40));
    h.weiter();
    EXPECT_EQ(h.tierAnzahl(), 249);
    EXPECT_EQ(h.gewicht[0], 0);
    EXPECT_EQ(h.gewicht[250], 0);
    EXPECT_EQ(h.gewicht[251], 0);
}

TEST(Herde, KaufAnDerUnterenGrenzeDesKontos) {
    Spielumgebung u;
    // Past the 32-bit edge a purchase is booked; at the 64-bit one it is refused.
    u.schreibeDatei("[Kontrolle]\r\ngeld=-9223372036854770000\r\n");
    u.starten();
    u.plattform.leeren();
    const uint32_t vorher = randSeed;
    kaufe(u, 3);
    // The weight was drawn, then the purchase refused: no animal, no booking,
    // and not the sound of a full stable.
    EXPECT_EQ(randSeed, weiterGezogen(vorher, 1));
    EXPECT_EQ(KueheForm->menge, 0);
    EXPECT_EQ(KueheForm->gewicht[1], 0);
    EXPECT_EQ(KontrollForm->geld, -9223372036854770000);
    EXPECT_EQ(u.plattform.leeren(), (std::vector<std::string>{"meldung\tschlicht\tDas ist zu viel!"}));
}

TEST(Herde, KaufDialog) {
    Spielumgebung u;
    u.starten();
    u.plattform.maus = {300, 250};
    // Escape: nothing chosen, nothing bought, and no draw.
    const uint32_t vorher = randSeed;
    KueheForm->KVButtonClick(KueheForm->KaufenButton);
    EXPECT_EQ(TierKaufForm->gewichtsklasse, 0);
    EXPECT_EQ(TierKaufForm->left, 260);
    EXPECT_EQ(TierKaufForm->top, 180);
    EXPECT_EQ(randSeed, vorher);
    EXPECT_EQ(KueheForm->menge, 0);
    // A button outside 1..3 does not close the dialog.
    TierKaufForm->modalResult.reset();
    TierKaufForm->ButtonClick(4);
    EXPECT_FALSE(TierKaufForm->modalResult.has_value());
    EXPECT_EQ(TierKaufForm->gewichtsklasse, 0);
}
