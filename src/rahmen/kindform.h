// The base of every game window: its place and size in the frame, its window
// state, and the five operations through which frame and month cycle drive it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rahmen/beschreibung.h"

// What a window holds beyond its saved values and its place: the
// statement's rows, the animal a herd shows. A step taken back gives it back.
struct Nebenbei {
    std::vector<std::string> texte;
    std::vector<int64_t> zahlen;
    bool operator==(const Nebenbei&) const = default;
};

enum class FensterZustand : int32_t { normal = 0, minimiert = 1, maximiert = 2 };

class TkindForm : public Beschrieben {
public:
    TkindForm(std::string name, std::string caption);
    virtual ~TkindForm() = default;
    TkindForm(const TkindForm&) = delete;
    TkindForm& operator=(const TkindForm&) = delete;

    // Component name: the window's name and its save-file section.
    const std::string& name() const override { return name_; }
    std::string caption;

    // Place within the frame's working area and client size, in pixels.
    int32_t left = 0;
    int32_t top = 0;
    int32_t clientWidth = 100;
    int32_t clientHeight = 100;
    FensterZustand windowState = FensterZustand::normal;
    // Whether the player may drag the border (fixed-size windows may not).
    bool sizeable = false;

    virtual void neu();
    virtual void platz();
    // What the window keeps and shows, described once (rahmen/beschreibung.h);
    // every override describes its base first.
    void beschreiben(Beschreiber& b) override;
    // Reads and writes the save file along the description.
    void laden();
    virtual void speichern();
    virtual void weiter();
    virtual Nebenbei nebenbei() const { return {}; }
    virtual void nebenbeiSetzen(const Nebenbei& /*n*/) {}
    // The window became the active one.
    virtual void FormActivate() {}

    // Sets the outer size, as the windows' default placements give it.
    void setzeAussenGroesse(int32_t breite, int32_t hoehe);
    // The face reports what the player did to the window.
    void gezogen(int32_t x, int32_t y, int32_t w, int32_t h, FensterZustand z);
    // Tells the face that something visible changed.
    void neuZeichnen();

    // The life cycle: created with neu then laden, destroyed after speichern.
    void erstellen();

private:
    std::string name_;
};
