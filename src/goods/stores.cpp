#include "goods/stores.h"

#include "market/preiseform.h"

TFutterForm* FutterForm = nullptr;
TDieselForm* DieselForm = nullptr;
TGetreideForm* GetreideForm = nullptr;
TRuebenForm* RuebenForm = nullptr;

namespace {
// What distinguishes the stores: good, colour, start capacity and stock, place.
void einrichten(TSiloForm& s, int32_t gut, Farbe farbe, int32_t kapazitaet, int32_t bestand) {
    s.gutNr = gut;
    s.farbe = farbe;
    s.setzeMaxMenge(kapazitaet);
    s.setzeMenge(bestand);
}
void platzieren(TSiloForm& s, int32_t links, int32_t oben) {
    s.left = links;
    s.top = oben;
}
}  // namespace

void TFutterForm::neu() {
    TSiloForm::neu();
    einrichten(*this, nrFutter, farbe, 600, 120);
}
void TFutterForm::platz() {
    TSiloForm::platz();
    platzieren(*this, 280, 330);
}

void TDieselForm::neu() {
    TSiloForm::neu();
    einrichten(*this, nrDiesel, {154, 116, 131}, 1000, 360);
}
void TDieselForm::platz() {
    TSiloForm::platz();
    platzieren(*this, 310, 350);
}

void TGetreideForm::neu() {
    TSiloForm::neu();
    einrichten(*this, nrGetreide, {255, 255, 0}, 800, 7);
}
void TGetreideForm::platz() {
    TSiloForm::platz();
    platzieren(*this, 340, 370);
}

void TRuebenForm::neu() {
    TSiloForm::neu();
    einrichten(*this, nrRueben, {85, 85, 0}, 700, 40);
}
void TRuebenForm::platz() {
    TSiloForm::platz();
    platzieren(*this, 370, 390);
}
