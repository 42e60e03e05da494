// The core's typed messages: the values go into their pattern once, in the
// order of their numbers, and what has no value stays as written.
#include <gtest/gtest.h>

#include "rahmen/nachricht.h"

TEST(Nachricht, WerteKommenEinmalAnIhrePlaetze) {
    EXPECT_EQ(einsetzen("Die Ernte hat %1 DZentner %2 eingebracht.", {"12", "Gerste"}),
              "Die Ernte hat 12 DZentner Gerste eingebracht.");
    // Out of order and twice; a value that holds a placeholder stays as it is.
    EXPECT_EQ(einsetzen("%2/%1/%2", {"a%2", "b"}), "b/a%2/b");
    // A per cent sign that is no placeholder, and one without its value.
    EXPECT_EQ(einsetzen("um 50% zu %3 erh\xC3\xB6hen%", {"x"}), "um 50% zu %3 erh\xC3\xB6hen%");
    EXPECT_EQ(deutsch({texte::zuViel}), "Das ist zu viel!");
}
