// The farm's logbook: one row at the end of every month with the balance,
// the prices, the stocks, the herds and the fields, and the month's bookings
// summed by kind. It only watches the game: it draws nothing, books nothing
// and writes no byte of the save file. The rows live beside the save file in
// "TrevoHofbuch.csv", which a spreadsheet opens as it is.
//
// The book knows no window: its columns are handed to it, each with what it
// sums (a kind of booking) or where its value comes from at the month's end
// (src/hofbuchspalten.cpp makes them from the running game).
//
// On the disk the book only grows: a finished month appends its row; the
// orderly end appends the month still running, which the next finished month
// replaces. A start reads the header and the last rows, not the whole book.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "geld/buchung.h"
#include "geld/kontrollform.h"

extern const char* const hofbuchName;

// The book beside the save file at spielstandPfad.
std::string hofbuchPfad(const std::string& spielstandPfad);

struct HofbuchSpalte {
    enum class Art { anfang, buchung, ende, preis, bestand, kapazitaet, tiere, gewicht, frucht, wachs };
    Art art;
    // The good number of a price, the window of a stock or herd (in the
    // order the game lists them), the field's slot.
    int32_t nr = 0;
    std::string name;
    int32_t nachkomma = 0;  // 2 for money in cents, 1 for weights in tenths
    // Art::buchung: the bookings summed here. One column of kind "keine"
    // takes what fits no other, and what moved the balance unseen.
    Buchung buchung{};
    // The farm's columns: the value at the end of the month.
    std::function<int64_t()> wert{};
    // The name an older book gave the column, when it had another.
    std::string frueher{};
    // For the spreadsheet export: the unit ("EUR", "kg"), and the value as a
    // word where it is a code (the crop of a field).
    std::string einheit{};
    std::function<std::string(int64_t)> klartext{};
};

struct HofbuchZeile {
    int32_t monat = 0;
    int32_t jahr = 0;
    // The month still running when the game was ended in order: it carries
    // the bookings made so far into the next run.
    bool laufend = false;
    std::vector<int64_t> werte;  // one per column
};

class Hofbuch : public KontoBeobachter {
public:
    // The columns in the order of the file: one anfang, the buchung columns,
    // one ende, then the farm's.
    Hofbuch(std::string pfad, std::vector<HofbuchSpalte> spalten);

    // Makes the book agree with the game that starts now, from the save file
    // or the recovery point: rows of months the game has not lived through
    // yet are cut off the file (a killed game's months never happened), and
    // so is a row a killed write left half-way. A new game keeps the old book
    // under its last date and starts a new one. A foreign or damaged book is
    // put beside under another name; the player is told once that the book
    // starts afresh. The rows the file the game goes on from carried
    // (mitgebracht: a recovery point's, or a save file's whose end could not
    // write the book) are appended where the book lacks them, so that every
    // month the game has lived through is in the book exactly once.
    void angleichen(bool neuesSpiel, const std::vector<std::string>& mitgebracht = {});

    // From the control panel.
    void gebucht(int64_t betrag, Buchung art) override;
    // The row is taken now; it goes to the disk in monatGesichert, after
    // the game's recovery point.
    void monatGebucht() override;
    void monatGesichert() override;
    // Where the recovery point is written beside the play, the rows wait
    // until it is on the disk: nachholen, called then, writes them.
    void aufschieben() { aufgeschoben_ = true; }
    void nachholen() { schreiben(); }
    void neuesSpiel() override;

    // The orderly end: the book with the month still running, synced.
    void sichern();
    // The end's rows once more, where sichern could not write them (after
    // the player made room).
    void sichernWiederholen();
    // The rows taken but not yet in the book, as the book writes them: a
    // recovery point carries them. ungeschrieben adds the running month
    // where the orderly end could not write it.
    std::vector<std::string> ausstehendeZeilen() const;
    std::vector<std::string> ungeschrieben() const;
    // What the recovery point carries: the rows written since the book was
    // last synced, then those not yet written. A power cut may take the
    // former from the book; the next start takes them from the point.
    std::vector<std::string> punktZeilen() const;
    // The finished months the last angleichen took from what the file the
    // game goes on from carried, because the book lacked them.
    int32_t nachgetrageneZeilen() const { return nachgetragen_; }

    // What a step taken back gives back: the running month's sums, and the
    // months finished in this run with the row the last of them took.
    struct Stand {
        std::vector<int64_t> laufend;
        int64_t anfang = 0;
        int64_t monate = 0;
        std::optional<HofbuchZeile> letzte;
    };
    Stand stand() const { return {laufend_, anfang_, monate_, letzte_}; }
    // Back or forth to a state taken in this run, at most one month away. A
    // month taken back leaves the book and its file at once; a month done
    // again comes back as the month wrote it, and goes to the disk as a
    // month's row does (monatGesichert or nachholen, after the recovery
    // point).
    void zuStand(const Stand& s);

    const std::vector<HofbuchSpalte>& spalten() const { return spalten_; }
    // The completed months, oldest first. The first call reads the whole
    // book; a row that cannot be read there is left out and counted.
    const std::vector<HofbuchZeile>& zeilen() const;
    int32_t unlesbareZeilen() const { return unlesbar_; }
    // The column of that kind and number, or -1.
    int32_t spalte(HofbuchSpalte::Art art, int32_t nr = 0) const;
    const std::string& pfad() const { return pfad_; }
    // The completed months for a spreadsheet of any language: separated by
    // commas, a point before decimals, each header with its unit, codes as
    // words. The book's own file stays as it is.
    std::string tabelle() const;

    // Called after every new row (neu false: one row was added at the end)
    // and when the rows were replaced (neu true), for a window that shows
    // the book.
    std::function<void(bool neu)> geaendert;

private:
    void beginnen();
    // The rows not yet on the disk are appended; the first write makes the
    // file with its header.
    bool schreiben();
    bool neuAnlegen(const std::string& rumpf);
    void schreibfehler(const std::string& fehler, bool amEnde = false);
    // Appends what the start found carried; whether anything was taken.
    bool nachtragen(const std::vector<std::string>& mitgebracht);
    std::string kopf(bool frueher) const;
    // One row of the file's text, or why it is not one (the row's number
    // for the message, 0 when not known).
    bool zeileLesen(std::string_view text, HofbuchZeile& z, std::string& grund, int64_t nr) const;
    HofbuchZeile aktuelleZeile(bool laufend) const;
    std::string beiseite(const std::string& zusatz) const;
    std::string zeilenText(const HofbuchZeile& z) const;
    // The file as it is found at the start: false with grund when it is no
    // book of this game.
    bool einlesen(bool neuesSpiel, std::string& grund);
    // Its steps: a regular file; the header, this game's or an older one's
    // (frueher); the last rows, enough to find the month the game goes on
    // with; what the game carries on from them (a killed write's rest cut
    // off); an older header written anew.
    struct Gelesen {
        HofbuchZeile z;
        int64_t ab;  // where the row begins in the file
    };
    struct Ende {
        std::vector<Gelesen> zeilen;
        int64_t vollEnde = 0;      // the end of the last whole line
        std::size_t ersteAb = 0;  // the first row the game does not keep
    };
    static bool gewoehnlicheDatei(int fd, int64_t& groesse, std::string& grund);
    bool kopfLesen(int fd, int64_t groesse, bool& frueher, std::string& grund);
    bool endeLesen(int fd, int64_t groesse, bool neuesSpiel, Ende& e, std::string& grund) const;
    int64_t fortsetzen(const Ende& e, int64_t groesse);
    void kopfErneuern(int fd, int64_t behalten);
    void unbrauchbar(const std::string& grund);

    // The rows written lie in the page cache until the book is synced: once
    // a year of rows, and at the orderly end.
    void geschrieben(int fd, std::vector<HofbuchZeile> zeilen);
    // What the book knows of its file after its own last write: who it is,
    // its size and time, and the bytes of its end. Another program (a
    // spreadsheet) that saved the book meanwhile changed one of them.
    struct Stempel {
        uint64_t geraet = 0;
        uint64_t inode = 0;
        int64_t groesse = -1;
        int64_t zeit = 0;
        std::string ende;
        bool operator==(const Stempel&) const = default;
    };
    static Stempel stempeln(int fd, int64_t bis);
    void merken();
    bool fremdGeaendert(int fd) const;
    // The book read anew after another program changed it: the player's
    // rows stay where they read as the book's; otherwise the file is put
    // aside whole. The rows not yet written follow.
    void neuLesen();

    std::string pfad_;
    std::vector<HofbuchSpalte> spalten_;
    int32_t anfangSpalte_ = -1;
    int32_t endeSpalte_ = -1;
    int32_t sonstiges_ = -1;
    std::vector<int64_t> laufend_;  // the running month's bookings by column
    int64_t anfang_ = 0;            // the balance the running month began with
    bool schreibfehlerGemeldet_ = false;
    bool aufgeschoben_ = false;
    // The start found the running month's row and carries on its bookings.
    bool laufendGefunden_ = false;
    // The orderly end's running month while it is not in the book.
    std::optional<HofbuchZeile> endZeile_;

    // The file: its header's length, the end of its completed rows (0: no
    // file of this book yet), the date of its last row, and the rows taken
    // but not yet written.
    int64_t kopfEnde_ = 0;
    int64_t dateiEnde_ = 0;
    int64_t letztesDatum_ = -1;
    std::vector<HofbuchZeile> ausstehend_;
    std::vector<HofbuchZeile> ungesynct_;
    std::optional<Stempel> stempel_;
    int32_t nachgetragen_ = 0;
    int64_t monate_ = 0;
    std::optional<HofbuchZeile> letzte_;
    void letzteEntfernen();
    // The changed book could not be put aside: nothing more is written into
    // it in this run.
    bool gesperrt_ = false;
    // The rows, read on first asking.
    mutable std::vector<HofbuchZeile> zeilen_;
    mutable bool geladen_ = true;
    mutable int32_t unlesbar_ = 0;
};
