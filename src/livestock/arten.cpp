#include "livestock/arten.h"

#include "market/preiseform.h"
#include "rahmen/nachricht.h"

TtierForm* KueheForm = nullptr;
TtierForm* SchweineForm = nullptr;
TtierForm* HuenerForm = nullptr;
TtierForm* SchafForm = nullptr;

// Window, caption, picture and chapter, product box, good, product;
// full-grown weight, growth, disease in per mille and its text; sound,
// product per animal, place.
const Tierart artKuehe{"KueheForm", "Kühe", "kuehe", "Milchgeben", &nrKuehe, &nrMilch,
                    7111, 330, 5, TREVO_TEXT("Kern", "Wegen BSE mussten alle Kühe getötet werden."),
                    200, 480.0f, 195, 360};
// Pigs deliver nothing: their product box is hidden.
const Tierart artSchweine{"SchweineForm", "Schweine", "schweine", nullptr, &nrSchweine, nullptr,
                       2000, 330, 4,
                       TREVO_TEXT("Kern", "Wegen Verdacht auf Maul und Klauenseuche mussten alle Schweine "
                                          "getötet werden."),
                       201, 480.0f, 0, 330};
const Tierart artHuehner{"HuenerForm", "Hühner", "huehner", "Eierlegen", &nrHuener, &nrEier,
                      40, 11, 0, nullptr, 202, 30.0f, 65, 340};
const Tierart artSchafe{"SchafForm", "Schafe", "schafe", "Wollegeben", &nrSchafe, &nrWolle,
                     762, 111, 0, nullptr, 203, 0.4f, 130, 350};
