// The control panel: calendar, balance and temperature, and the "Weiter"
// button that ends a month.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "geld/buchung.h"
#include "rahmen/kindform.h"
#include "rahmen/steuerelemente.h"
#include "geld/zufall.h"

extern bool futterMangel;

// The save file's section of the calendar and the balance.
inline constexpr const char* kontrollSektion = "Kontrolle";

extern const std::array<const char*, 13> monatsNamen;        // 1..12
extern const std::array<int32_t, 13> mittelTemperatur;        // 1..12

// The month's other costs before their spread, in cents, and the spread in
// per mille.
constexpr int32_t sonstigeKosten = -37200;
constexpr int32_t sonstigeKostenStreuung = 111;
// What a booking of betrag leaves of the balance geld: held at the 64-bit
// limits, as buchen holds it.
int64_t gebuchtesGeld(int64_t geld, int64_t betrag);

// Watches the money and the calendar without taking part: the farm's logbook.
class KontoBeobachter {
public:
    virtual ~KontoBeobachter() = default;
    // What really reached the account, and what for.
    virtual void gebucht(int64_t bewegt, Buchung art) = 0;
    // Every window has made its monthly step; the calendar has not turned.
    virtual void monatGebucht() = 0;
    // The calendar has turned and the recovery point is set: now the
    // watcher may write what it keeps on the disk, after the game's own.
    virtual void monatGesichert() = 0;
    // The player started again from the beginning.
    virtual void neuesSpiel() = 0;
};

class TKontrollForm : public TkindForm {
public:
    TKontrollForm();

    Label Label1;   // month and year
    Label Label2;   // balance
    Button Button1; // "Weiter"
    Label Label3;   // temperature

    int32_t monat = 3;
    int32_t jahr = 2001;
    int64_t geld = 1000000;  // cents, in 64 bits: a farm of fifty years passes 32
    int32_t temperatur = 0;

    void neu() override;
    void platz() override;
    void beschreiben(Beschreiber& b) override;

    // The only way money moves. The balance is held at the 64-bit limits;
    // the statement shows what the balance really moved, with the remark.
    void buchen(int64_t betrag, const std::string& bemerkung, Buchung art);
    // Whether a booking of betrag keeps the balance within 64 bits. Every
    // player action that books money asks first and is refused otherwise.
    bool kannBuchen(int64_t betrag) const;
    // What the month's other costs can book: the span of their spread.
    static Spanne sonstigeKostenSpanne();
    void setzeDatum(int32_t m, int32_t j);
    void neueTemperatur();
    // The month's temperature as it was drawn before (a step taken back).
    void setzeTemperatur(int32_t t);
    // "Weiter": the month step.
    void Button1Click();
    // Runs when a month step has ended and the calendar has turned: the
    // game's recovery point.
    std::function<void()> monatGeschlossen;
    KontoBeobachter* beobachter = nullptr;
};

extern TKontrollForm* KontrollForm;
