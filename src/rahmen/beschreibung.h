// Every game window describes its state once, in `beschreiben`: which values
// the save file keeps (section, key, type, the rule a loaded value is held
// to) and which the window only shows. Loading, saving, trevo-sim's dump, the
// recovery point's check and the comparison of two games all walk that one
// description, each with a Beschreiber of its own.
//
// A window's description is chained to its base's, base first, as its
// `laden` used to be; the walk's order is the order in which values are
// read, written (so new keys land in the file in that order) and shown.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <utility>
#include <string>
#include <vector>

#include "rahmen/canvas.h"
#include "rahmen/steuerelemente.h"

// Where a value stands in the save file: its section (empty: the window's
// own, named after it) and key.
struct Ort {
    std::string sektion;
    std::string schluessel;
};

// What a value read from the file is held to. Inside [min, max] it is taken
// as it stands; outside it is held at the nearer edge or replaced by a
// default.
struct Regel {
    enum class Sonst { halten, vorgabe };
    int64_t min = std::numeric_limits<int64_t>::min();
    int64_t max = std::numeric_limits<int64_t>::max();
    Sonst sonst = Sonst::halten;
    int64_t vorgabe = 0;

    static Regel bereich(int64_t lo, int64_t hi) { return {lo, hi, Sonst::halten, 0}; }
    static Regel bereichSonst(int64_t lo, int64_t hi, int64_t v) { return {lo, hi, Sonst::vorgabe, v}; }

    bool erfuellt(int64_t v) const { return v >= min && v <= max; }
    int64_t anwenden(int64_t v) const;
};

// One integer the save file keeps. `setzen` takes a loaded value (already
// held to the rule) where assigning it is not enough; `alsGespeichert` gives
// what is written where that differs from the value.
template <class T>
struct Gespeichert {
    Ort ort;
    const char* anzeige;
    T& wert;
    Regel regel = {};
    std::function<void(T)> setzen = {};
    std::function<T()> alsGespeichert = {};
};

class Beschreiber;

// An entry of its own kind: a list whose keys are numbered (the herd's
// animals, the prices of the goods), or values that are only valid together
// (a stock and its capacity).
class EigenerEintrag {
public:
    virtual ~EigenerEintrag() = default;
    // Reads and writes the running game's save file (iniLesen, iniSchreiben).
    virtual void laden() = 0;
    virtual void speichern() const = 0;
    // Shows the values through b's shown entries.
    virtual void zeigen(Beschreiber& b) const = 0;
    // The keys it keeps, as docs/savefile.md names them: section (empty: the
    // window's own) and key, a numbered run as "T1 … T249".
    virtual std::vector<Ort> schluessel() const = 0;
};

class Beschreiber {
public:
    virtual ~Beschreiber() = default;
    // The section of the window being described (its name).
    std::string fenster;

    // Kept in the save file.
    virtual void zahl(Gespeichert<int32_t> g) = 0;
    virtual void zahl(Gespeichert<int64_t> g) = 0;
    // A check box whose tick the file keeps as 0 or non-zero.
    virtual void haken(const char* anzeige, CheckBox& c, Ort ort, std::function<void(bool)> setzen = {}) = 0;
    virtual void eigenes(EigenerEintrag& e) = 0;
    // A step of loading, run at this place of the walk (a caption to
    // refresh, a temperature to draw); no other walk runs it.
    virtual void beimLaden(const std::function<void()>& /*schritt*/) {}

    // Only shown: nothing but the dump reads these.
    virtual void text(const std::string& /*name*/, const std::string& /*wert*/) {}
    virtual void wert(const std::string& /*name*/, int64_t /*wert*/) {}
    virtual void real(const std::string& /*name*/, float /*wert*/) {}
    void wahr(const std::string& name, bool w) { wert(name, w ? 1 : 0); }
    void farbe(const std::string& name, Farbe f);
    void label(const std::string& name, const Label& l);
    void knopf(const std::string& name, const Button& k);
    void kasten(const std::string& name, const CheckBox& c);
    void radio(const std::string& name, const RadioGroup& r);
    void gitter(const std::string& name, const StringGrid& g);
    template <class Feld>
    void reihe(const std::string& name, const Feld& feld) {
        for (std::size_t i = 0; i < feld.size(); ++i) {
            const std::string n = name + "[" + std::to_string(i) + "]";
            if constexpr (std::is_same_v<typename Feld::value_type, std::string>) text(n, feld[i]);
            else wert(n, static_cast<int64_t>(feld[i]));
        }
    }

    // The section a value's place names.
    const std::string& sektion(const Ort& o) const { return o.sektion.empty() ? fenster : o.sektion; }
};

// What describes itself: a game window, named after its own section.
class Beschrieben {
public:
    virtual const std::string& name() const = 0;
    virtual void beschreiben(Beschreiber& b) = 0;

protected:
    ~Beschrieben() = default;
};

class IniDatei;

// The walks over a window's description.
void beschreibungLaden(Beschrieben& f);
void beschreibungSpeichern(Beschrieben& f);
// Every (section, key) the window keeps, sections named as the file names
// them, numbered runs as the documentation writes them.
std::vector<Ort> gespeicherteSchluessel(Beschrieben& f);
// Whether every value the window keeps in section `sektion` stands in ini,
// written as the game writes it (an optional minus and digits within the
// value's type) and within its rule; the values then read into f.
bool strengLesen(Beschrieben& f, const IniDatei& ini, const std::string& sektion);

// What the dump shows of a window: (name, value) in the description's order,
// the values as text.
using Werte = std::vector<std::pair<std::string, std::string>>;
Werte gezeigteWerte(const Beschrieben& f);
// The same for the values the save file keeps only, under the dump's names.
Werte gespeicherteWerte(const Beschrieben& f);
// Where two lists of values differ, as "name: a / b": the comparison of two
// games, field by field.
std::vector<std::string> unterschiede(const Werte& a, const Werte& b);
