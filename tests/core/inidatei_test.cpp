#include <gtest/gtest.h>

#include <cstdint>

#include "spielstand/inidatei.h"

TEST(IniDatei, LesenNachDenRegelnDerProfilDateien) {
    const IniDatei ini(
        "; Kommentar=7\r\n"
        "vorne=1\r\n"
        "[Kontrolle]\r\n"
        "Monat=5\r\n"
        "  JAHR  =   2003  \r\n"
        "geld=-12abc\r\n"
        "leer=\r\n"
        "wort=zwölf\r\n"
        "plus=+42\r\n"
        "riesig=99999999999\r\n"
        "sehrklein=-99999999999999999999\r\n"
        "[ kontrolle2 ]\n"
        "x=9\n");
    EXPECT_EQ(ini.lesen("kontrolle", "monat"), 5);
    EXPECT_EQ(ini.lesen("KONTROLLE", "jahr"), 2003);
    EXPECT_EQ(ini.lesen("Kontrolle", "geld"), -12) << "reading stops at the first non-digit";
    EXPECT_EQ(ini.lesen("Kontrolle", "leer"), 0) << "a value with no number reads 0";
    EXPECT_EQ(ini.lesen("Kontrolle", "wort"), 0);
    EXPECT_EQ(ini.lesen("Kontrolle", "plus"), 42);
    EXPECT_EQ(ini.lesen("Kontrolle", "riesig"), 2147483647);
    // The balance's 64 bits: the same rules, the wider limits.
    EXPECT_EQ(ini.lesen64("Kontrolle", "riesig"), 99999999999);
    EXPECT_EQ(ini.lesen64("Kontrolle", "sehrklein"), INT64_MIN);
    EXPECT_EQ(ini.lesen("Kontrolle", "sehrklein"), INT32_MIN);
    EXPECT_EQ(ini.lesen64("Kontrolle", "geld"), -12);
    EXPECT_EQ(ini.lesen64("Kontrolle", "plus"), 42);
    EXPECT_EQ(ini.lesen("Kontrolle2", "X"), 9) << "LF-only lines and blanks inside brackets";
    EXPECT_EQ(ini.lesen("Kontrolle", "fehlt"), std::nullopt);
    EXPECT_EQ(ini.lesen("Fehlt", "monat"), std::nullopt);
    EXPECT_EQ(ini.lesen("", "vorne"), std::nullopt) << "lines before the first section belong to none";
}

TEST(IniDatei, SchreibenErsetztAnOrtUndBehaeltFremdes) {
    IniDatei ini(
        "Kopfzeile ohne Sinn\r\n"
        "[KontrollForm]\r\n"
        "X=5\r\n"
        "fremd=abc\r\n"
        "\r\n"
        "[Kontrolle]\r\n"
        "monat=4\r\n");
    ini.schreiben("kontrollform", "x", 17);
    ini.schreiben("KontrollForm", "y", 3);
    ini.schreiben("Kontrolle", "geld", -5);
    ini.schreiben("Preise", "0", 108);
    ini.schreiben("Preise", "0min", 100);
    EXPECT_EQ(ini.bytes(),
              "Kopfzeile ohne Sinn\r\n"
              "[KontrollForm]\r\n"
              "X=17\r\n"
              "fremd=abc\r\n"
              "y=3\r\n"
              "\r\n"
              "[Kontrolle]\r\n"
              "monat=4\r\n"
              "geld=-5\r\n"
              "[Preise]\r\n"
              "0=108\r\n"
              "0min=100\r\n");
}

TEST(IniDatei, UnvollstaendigeLetzteZeileUndLeereDatei) {
    IniDatei ini("[A]\r\nx=1");
    ini.schreiben("B", "y", 2);
    EXPECT_EQ(ini.bytes(), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");

    IniDatei ini2("[A]\nx=1");
    ini2.schreiben("a", "z", 3);
    EXPECT_EQ(ini2.bytes(), "[A]\nx=1\r\nz=3\r\n");

    IniDatei neu;
    neu.schreiben("KontrollForm", "x", 5);
    EXPECT_EQ(neu.bytes(), "[KontrollForm]\r\nx=5\r\n");

    // Binary rubbish survives untouched around our keys.
    const std::string muell = "\x01\x02\xff" "[kaputt\r\n";
    IniDatei roh(muell);
    roh.schreiben("S", "k", 1);
    EXPECT_EQ(roh.bytes(), muell + "[S]\r\nk=1\r\n");
}

TEST(IniDatei, KommentareSindKeineSchluessel) {
    IniDatei ini("[S]\r\n;k=1\r\n");
    EXPECT_EQ(ini.lesen("S", "k"), std::nullopt);
    EXPECT_EQ(ini.lesen("S", ";k"), std::nullopt);
    ini.schreiben("S", "k", 2);
    EXPECT_EQ(ini.bytes(), "[S]\r\n;k=1\r\nk=2\r\n");
}
