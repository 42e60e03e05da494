#pragma once

#include <cstdint>
#include <string>

// The decimal separator of the player's regional settings; the face sets it
// from the locale at start-up, tests fix it.
extern std::string dezimalTrenner;

// The amount in euros with two decimals and " EUR", exact to the cent:
// 1000000 -> "10000,00 EUR", -1 -> "-0,01 EUR".
std::string geldText(int32_t cents);

// Right-aligns a text in a field of the given width, never cutting it
// (the "%15s" of the account statement). Width counts characters, not bytes.
std::string rechtsbuendig(const std::string& text, std::size_t breite);
