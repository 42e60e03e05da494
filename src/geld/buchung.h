// What a booking is for, known where the money moves: the farm's logbook
// sums the month's bookings by it. The statement shows the remark only.
#pragma once

#include <cstdint>

enum class BuchungsArt : uint8_t {
    keine,            // a balance set, not a booking of its own
    sonstigeKosten,   // the month's running costs
    pacht,            // the fields' lease
    duengemittel,
    saatgut,
    kauf,             // goods or animals bought
    verkauf,          // goods or animals sold
    produkt,          // what a herd gives: milk, eggs, wool
    vergroesserung,   // a store or stable enlarged
};

struct Buchung {
    BuchungsArt art = BuchungsArt::keine;
    // The good concerned (its number in the price list), or -1.
    int32_t gut = -1;
    friend bool operator==(const Buchung&, const Buchung&) = default;
};
