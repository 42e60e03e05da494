#include <gtest/gtest.h>

#include <cmath>

#include "geld/geldtext.h"
#include "geld/zufall.h"

TEST(Zufall, FolgeAbSeedNull) {
    randSeed = 0;
    EXPECT_EQ(Random(3), 0);
    EXPECT_EQ(randSeed, 1u);
    EXPECT_EQ(Random(3), 0);
    EXPECT_EQ(randSeed, 134775814u);
    EXPECT_EQ(Random(3), 2);
    EXPECT_EQ(randSeed, 3698175007u);
    EXPECT_EQ(Random(3), 0);
    EXPECT_EQ(randSeed, 870078620u);

    randSeed = 0;
    EXPECT_EQ(Random(), 1.0L / 4294967296.0L);

    randSeed = 0;
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(randSeed, 1u) << "Random(0) still advances the seed";
}

TEST(Zufall, RoundGehtBeiHalbenZurGeradenZahl) {
    EXPECT_EQ(Round(2.5L), 2);
    EXPECT_EQ(Round(3.5L), 4);
    EXPECT_EQ(Round(-2.5L), -2);
    EXPECT_EQ(Round(190.5L), 190);
    EXPECT_EQ(Round(3555.5L), 3556);
    EXPECT_EQ(Round(-0.4L), 0);
    EXPECT_EQ(Round(1e12L), 2147483647);
    EXPECT_EQ(Round(-1e12L), -2147483647 - 1);
}

TEST(Zufall, Streuung) {
    randSeed = 0;
    EXPECT_EQ(streuung(1234, 0), 1234);
    EXPECT_EQ(randSeed, 1u) << "one draw even with p = 0";
    EXPECT_EQ(streuung(0, 111), 0);

    // The first draw after seed 0 is 2^-32: practically the lowest factor.
    randSeed = 0;
    EXPECT_EQ(streuung(-37200, 111), -35135);
    // A draw just below 1 gives the other end of the band.
    randSeed = 0xFFFFFFFEu;  // next seed: 0xFFFFFFFE * 134775813 + 1
    const uint32_t naechster = 0xFFFFFFFEu * 134775813u + 1u;
    const long double r = naechster / 4294967296.0L;
    EXPECT_EQ(streuung(-37200, 111), Round(-37200.0L + r * -37200.0L * 111 * 0.001L - -37200.0L * 111 * 0.0005L));

    for (int i = 0; i < 2000; ++i) {
        const int32_t v = streuung(-37200, 111);
        ASSERT_GE(v, -39265);
        ASSERT_LE(v, -35135);
    }
}

TEST(Zufall, StreuungRealBleibtImBandUndHatVierzigBit) {
    randSeed = 0;
    const long double v = streuungReal(63, 4800.0L);
    EXPECT_NEAR(static_cast<double>(v), 4800.0 * (1 - 0.0315), 1e-6);
    for (int i = 0; i < 1000; ++i) {
        const long double q = streuungReal(63, 0.4L);
        ASSERT_GE(q, 0.4L * 0.9685L - 1e-12L);
        ASSERT_LT(q, 0.4L * 1.0315L + 1e-12L);
        // At most 40 significant bits survive.
        int e = 0;
        const long double m = std::frexp(q, &e);
        const long double skaliert = std::ldexp(m, 40);
        ASSERT_EQ(skaliert, std::nearbyintl(skaliert));
    }
    EXPECT_EQ(alsSpielReal(0.0L), 0.0L);
    EXPECT_EQ(alsSpielReal(1.0L + std::ldexp(1.0L, -45)), 1.0L);
}

TEST(GeldText, ExaktAufDenCent) {
    dezimalTrenner = ",";
    EXPECT_EQ(geldText(1000000), "10000,00 EUR");
    EXPECT_EQ(geldText(-37200), "-372,00 EUR");
    EXPECT_EQ(geldText(5), "0,05 EUR");
    EXPECT_EQ(geldText(0), "0,00 EUR");
    EXPECT_EQ(geldText(-1), "-0,01 EUR");
    EXPECT_EQ(geldText(-2147483647 - 1), "-21474836,48 EUR");
    EXPECT_EQ(geldText(2147483647), "21474836,47 EUR");
    dezimalTrenner = ".";
    EXPECT_EQ(geldText(1000000), "10000.00 EUR");
    dezimalTrenner = ",";
}

TEST(GeldText, RechtsbuendigZaehltZeichen) {
    EXPECT_EQ(rechtsbuendig("-372,00 EUR", 15), "    -372,00 EUR");
    EXPECT_EQ(rechtsbuendig("Hühner", 7), " Hühner");
    EXPECT_EQ(rechtsbuendig("zu lang für das Feld", 5), "zu lang für das Feld");
}
