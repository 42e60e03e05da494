// The core's words and the patterns of its composed texts, as the rules
// write them: window captions, buttons, labels, units, month names, the
// outlook's lines, the work dialog's states, the purchase offers, the names
// of the steps and the remarks of the statement. trevo-sim and the save file
// keep the German text; the window finds the pattern a text was made from,
// reads its values back out of the pattern's gaps and shows the pattern in
// the player's language (ui/nachrichten.*). A remark that an older save
// file holds is translated the same way, and a text no pattern fits stays
// as it is. Each entry is marked TREVO_TEXT, so lupdate puts it under the
// context "Kern" of translations/*.ts.
#pragma once

#include <vector>

namespace texte {
// The patterns with %1 … %9 (single words are looked up whole, they need no
// list of their own).
const std::vector<const char*>& muster();
}  // namespace texte
