// The purchase dialog: the player picks the weight class of one animal.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "rahmen/dialog.h"
#include "rahmen/steuerelemente.h"

// What a weight class brings: the weight before the purchase's draw, the
// lightest and the heaviest weight that draw can give (tenths of a kg), and
// what each costs at today's buying price (cents).
struct Kaufangebot {
    int16_t gewicht = 0, leichtest = 0, schwerst = 0;
    int64_t preis = 0, preisVon = 0, preisBis = 0;
};

class TTierKaufForm : public TDialog {
public:
    TTierKaufForm();

    Button BitBtn1;  // small
    Button BitBtn2;  // medium
    Button BitBtn3;  // large
    Button Button1;  // cancel (Escape); lies outside the client area
    // 0 nothing chosen, 1 small, 2 medium, 3 large.
    int32_t gewichtsklasse = 0;
    // How many animals of the chosen class to buy, one after another; 1 at
    // every showing. Values below 1 buy one.
    int32_t anzahl = 1;
    // The most the field "Anzahl" takes: a herd never holds more.
    static constexpr int32_t hoechstAnzahl = 249;
    // The offers of the herd that buys, by weight class (entry 0 unused):
    // the herd hands them over while the dialog is open.
    std::optional<std::array<Kaufangebot, 4>> angebote;

    // What a weight button offers, for its label: "etwa 237 kg" and the
    // prices the purchase can book, "1129–1493 EUR" (whole euros, the span
    // widened outwards). Empty without offers.
    std::string gewichtText(int32_t klasse) const;
    std::string preisText(int32_t klasse) const;

    // Clears the choice, sets the number back to 1 and opens beside the
    // mouse pointer.
    void beschreiben(Beschreiber& b) const override;
    void FormShow() override;
    // A weight button: records the class and ends the dialog. The result
    // says nothing; the caller reads gewichtsklasse.
    void ButtonClick(int32_t klasse);
};

extern TTierKaufForm* TierKaufForm;
