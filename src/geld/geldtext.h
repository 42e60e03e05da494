#pragma once

#include <cstdint>
#include <string>

// The decimal separator of the player's regional settings; the face sets it
// from the locale at start-up, tests fix it.
extern std::string dezimalTrenner;

// The amount in euros with two decimals and " EUR", exact to the cent:
// 1000000 -> "10000,00 EUR", -1 -> "-0,01 EUR".
std::string geldText(int64_t cents);
// The same for any 64-bit amount, without " EUR": "12,34", "-0,01".
std::string geldZahl(int64_t cents);
// Whether a product computed in 64 bits fits the 32 bits money has at rest.
bool passt32(int64_t v);
// What a player is shown before a trade: geldText where the amount fits 32
// bits, else whole euros ("12345678901 EUR"), as a hand-edited price can give.
std::string geldTextWeit(int64_t cents);

// Right-aligns a text in a field of the given width, never cutting it
// (the "%15s" of the account statement). Width counts characters, not bytes.
std::string rechtsbuendig(const std::string& text, std::size_t breite);
