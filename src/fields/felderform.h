// The field map: the five fields on a drawn map of the surroundings, their
// monthly step with the rent, and their save-file sections.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "rahmen/canvas.h"
#include "rahmen/kindform.h"
#include "fields/feld.h"

enum class Mauszeiger { standard, hand };

// The windowless control that draws the fields over the map picture and
// finds the field under the mouse. The face forwards the mouse to it and
// reads back cursor and hint.
class TPaintFelder {
public:
    TPaintFelder();

    TFeld* aktFeld = nullptr;
    std::string hint;
    bool showHint = true;
    Mauszeiger cursor = Mauszeiger::standard;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;

    void paint(Canvas& c) const;
    // x, y in the control's pixels.
    void mousemove(int32_t x, int32_t y);
    void Click();
    // Asks for a redraw of the map.
    void invalidate();
};

// The map picture's place and size; the picture is stretched to it.
struct Bild {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

class TFelderForm : public TkindForm {
public:
    TFelderForm();
    ~TFelderForm() override;

    static constexpr int32_t anzahlFelder = 5;

    Bild Image1;
    Farbe farbe{128, 128, 0};
    // Slots 1..10, filled from 1 without gaps; slot 0 is never used.
    std::array<std::unique_ptr<TFeld>, 11> felder;
    std::unique_ptr<TPaintFelder> PaintFelder;
    // The largest outer size the player may drag the window to; the map
    // scrolls within it.
    int32_t maxTrackWidth = 0;
    int32_t maxTrackHeight = 0;

    void neu() override;
    void platz() override;
    void beschreiben(Beschreiber& b) override;
    void weiter() override;

    // The month's rent of the fields leased now, in cents (0 or negative);
    // a field's step never ends its lease, so it is also the month's.
    int32_t pacht() const;

    void FormCreate();
    void FormDestroy();
    void WMGetMinMaxInfo();
    // A click on a field: the lease offer for one not leased, else the
    // field work dialog.
    void aktion(TFeld& f);
};

extern TFelderForm* FelderForm;
// The field map's paint control.
extern TPaintFelder* paintFelder;
