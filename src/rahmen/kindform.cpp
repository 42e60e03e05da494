#include "rahmen/kindform.h"

#include <algorithm>

#include "rahmen/beschreibung.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"

namespace {
// Places and sizes are held within what a screen can show, both when read
// from the file and when the player drags, so that a game saves, loads and
// saves again to the same bytes.
const Regel groesse = Regel::bereich(0, 16384);
const Regel ort = Regel::bereich(-16384, 16384);
int32_t groesseBegrenzen(int32_t v) { return static_cast<int32_t>(groesse.anwenden(v)); }
int32_t ortBegrenzen(int32_t v) { return static_cast<int32_t>(ort.anwenden(v)); }
}  // namespace

TkindForm::TkindForm(std::string name, std::string cap) : caption(std::move(cap)), name_(std::move(name)) {}

void TkindForm::neu() {
    platz();
    windowState = FensterZustand::normal;
    neuZeichnen();
}

void TkindForm::platz() {}

void TkindForm::beschreiben(Beschreiber& b) {
    b.text("caption", caption);
    // A window dragged beyond the left or top edge is saved at 1.
    b.zahl({{"", "x"}, "left", left, ort, {}, [this] { return left < 0 ? 1 : left; }});
    b.zahl({{"", "y"}, "top", top, ort, {}, [this] { return top < 0 ? 1 : top; }});
    b.zahl({{"", "w"}, "clientWidth", clientWidth, groesse});
    b.zahl({{"", "h"}, "clientHeight", clientHeight, groesse});
    int32_t zustand = static_cast<int32_t>(windowState);
    b.zahl({{"", "wstat"}, "windowState", zustand, Regel::bereichSonst(0, 2, 0),
            [this](int32_t v) { windowState = static_cast<FensterZustand>(v); }});
    b.wahr("sizeable", sizeable);
    b.beimLaden([this] { neuZeichnen(); });
}

void TkindForm::laden() { beschreibungLaden(*this); }

void TkindForm::speichern() {
    // The orderly end brings such a window back at 1; a recovery point
    // writes the same, but the running game's window stays where the player
    // put it.
    if (!spielstand().imSchnappschuss()) {
        left = left < 0 ? 1 : left;
        top = top < 0 ? 1 : top;
    }
    beschreibungSpeichern(*this);
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
