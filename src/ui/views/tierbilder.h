// The herds' pictures and where their windows show them. The build draws
// each of them beforehand at this size (src/vorab), for ordinary and for
// double-density screens.
#pragma once

#include <array>

struct TierBild {
    const char* name;  // resources/bilder/<name>.svg
    int links, oben, breite, hoehe;
};

// Each species' picture at its size, top left; the hen's portrait stands at
// the top edge, centred over the column of the others.
inline constexpr TierBild kuhBild{"kuh", 8, 8, 80, 59};
inline constexpr TierBild schweinBild{"schwein", 8, 8, 80, 57};
inline constexpr TierBild huhnBild{"huhn", 17, 0, 62, 76};
inline constexpr TierBild schafBild{"schaf", 8, 8, 80, 57};
inline constexpr std::array<TierBild, 4> alleTierBilder{kuhBild, schweinBild, huhnBild, schafBild};
