// The market: eleven goods with their prices, which drift once a month
// between fixed bounds, and the buy and sell prices every trade uses.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rahmen/kindform.h"
#include "rahmen/plattform.h"
#include "rahmen/steuerelemente.h"
#include "geld/zufall.h"

// The good numbers; only TPreiseForm::neu writes them.
extern int32_t nrKuehe, nrSchweine, nrHuener, nrSchafe, nrFutter, nrMilch, nrEier, nrWolle, nrGetreide,
    nrRueben, nrDiesel;

constexpr int32_t anzahlGueter = 11;

// The save file's section of the prices and their bounds.
inline constexpr const char* preisSektion = "Preise";

class TPreiseForm : public TkindForm {
public:
    TPreiseForm();

    StringGrid StringGrid1{3, 12};
    std::array<int32_t, anzahlGueter> preis{};
    std::array<int32_t, anzahlGueter> maxPreis{};
    std::array<int32_t, anzahlGueter> minPreis{};
    std::array<std::string, anzahlGueter> gutName;
    std::array<std::string, anzahlGueter> einheit;

    // The grid's geometry in pixels; every cell is followed by a grid line.
    static constexpr std::array<int32_t, 3> spaltenBreiten{155, 64, 108};
    static constexpr int32_t zeilenHoehe = 16;
    static constexpr int32_t gitterLinie = 1;

    void neu() override;
    void platz() override;
    void beschreiben(Beschreiber& b) override;
    void weiter() override;

    // Every price good i can have after this month's drift; draws nothing.
    Spanne preisSpanne(int32_t i) const;

    void setzePreis(int32_t i, int32_t p);
    int32_t ankaufspreis(int32_t gutNr) const;
    int32_t verkaufspreis(int32_t gutNr) const;

    // A mouse button was released over the grid at (x, y).
    void StringGrid1MouseUp(int32_t x, int32_t y);
    // The cell under (x, y), or {-1, -1} when there is none.
    Punkt zelleBei(int32_t x, int32_t y) const;

private:
    // The drift's two widths of good i: the span of its draw and how far it
    // leans downward.
    struct Drift {
        int32_t a = 0;
        int64_t b = 0;
    };
    Drift drift(int32_t i) const;
    void gutAnlegen(int32_t& zaehler, int32_t& nr, const char* name, const char* einh, int32_t max, int32_t min);
};

extern TPreiseForm* PreiseForm;
