#include "goods/stores.h"

#include "market/preiseform.h"

TSiloForm* FutterForm = nullptr;
TSiloForm* DieselForm = nullptr;
TSiloForm* GetreideForm = nullptr;
TSiloForm* RuebenForm = nullptr;

// Window, caption, good, colour, capacity and stock of a new game, place.
const Lagerart lagerFutter{"FutterForm", "Futter", &nrFutter, {0, 128, 0}, 600, 120, 280, 330};
const Lagerart lagerDiesel{"DieselForm", "Diesel", &nrDiesel, {154, 116, 131}, 1000, 360, 310, 350};
const Lagerart lagerGetreide{"GetreideForm", "Getreide", &nrGetreide, {255, 255, 0}, 800, 7, 340, 370};
const Lagerart lagerRueben{"RuebenForm", "Rüben", &nrRueben, {85, 85, 0}, 700, 40, 370, 390};
