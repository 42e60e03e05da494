#include "app/kindform.h"

#include <algorithm>

#include "app/plattform.h"
#include "app/spielstand.h"

namespace {
// Places and sizes are held within what a screen can show, both when read
// from the file and when the player drags, so that a game saves, loads and
// saves again to the same bytes.
int32_t groesseBegrenzen(int32_t v) { return std::clamp(v, 0, 16384); }
int32_t ortBegrenzen(int32_t v) { return std::clamp(v, -16384, 16384); }
FensterZustand alsZustand(int32_t v) {
    switch (v) {
        case 1: return FensterZustand::minimiert;
        case 2: return FensterZustand::maximiert;
        default: return FensterZustand::normal;
    }
}
}  // namespace

TkindForm::TkindForm(std::string name, std::string cap) : caption(std::move(cap)), name_(std::move(name)) {}

void TkindForm::neu() {
    platz();
    windowState = FensterZustand::normal;
    neuZeichnen();
}

void TkindForm::platz() {}

void TkindForm::laden() {
    int32_t v = left;
    iniLesen(name_, "x", v);
    left = ortBegrenzen(v);
    v = top;
    iniLesen(name_, "y", v);
    top = ortBegrenzen(v);
    v = clientWidth;
    iniLesen(name_, "w", v);
    clientWidth = groesseBegrenzen(v);
    v = clientHeight;
    iniLesen(name_, "h", v);
    clientHeight = groesseBegrenzen(v);
    v = static_cast<int32_t>(windowState);
    iniLesen(name_, "wstat", v);
    windowState = alsZustand(v);
    neuZeichnen();
}

void TkindForm::speichern() {
    // A window dragged beyond the left or top edge comes back at 1. A
    // recovery point writes the same, but the running game's window stays
    // where the player put it.
    const bool bewegen = !spielstand().imSchnappschuss();
    if (left < 0 && bewegen) left = 1;
    iniSchreiben(name_, "x", left < 0 ? 1 : left);
    if (top < 0 && bewegen) top = 1;
    iniSchreiben(name_, "y", top < 0 ? 1 : top);
    iniSchreiben(name_, "w", clientWidth);
    iniSchreiben(name_, "h", clientHeight);
    iniSchreiben(name_, "wstat", static_cast<int32_t>(windowState));
}

void TkindForm::weiter() {}

void TkindForm::setzeAussenGroesse(int32_t breite, int32_t hoehe) {
    const Punkt r = plattform().rahmen();
    clientWidth = std::max(0, breite - r.x);
    clientHeight = std::max(0, hoehe - r.y);
    neuZeichnen();
}

void TkindForm::gezogen(int32_t x, int32_t y, int32_t w, int32_t h, FensterZustand z) {
    left = ortBegrenzen(x);
    top = ortBegrenzen(y);
    clientWidth = groesseBegrenzen(w);
    clientHeight = groesseBegrenzen(h);
    windowState = z;
}

void TkindForm::neuZeichnen() { plattform().neuZeichnen(*this); }

void TkindForm::erstellen() {
    neu();
    laden();
}
