// The farm's logbook: one row at the end of every month with the balance,
// the prices, the stocks, the herds and the fields, and the month's bookings
// summed by kind. It only watches the game: it draws nothing, books nothing
// and writes no byte of the save file. The rows live beside the save file in
// "TrevoHofbuch.csv", which a spreadsheet opens as it is.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/kontrollform.h"

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
    // The columns come from the running game's windows: its goods, stores,
    // herds and fields.
    explicit Hofbuch(std::string pfad);

    // Makes the book agree with the game that starts now, from the save file
    // or the recovery point: rows of months the game has not lived through
    // yet are set aside (a killed game's months never happened). A new game
    // keeps the old book under its last date and starts a new one. A
    // foreign or damaged book is put beside under another name; the player is
    // told once that the book starts afresh.
    void angleichen(bool neuesSpiel);

    // From the control panel.
    void gebucht(int32_t betrag, const std::string& bemerkung) override;
    void monatGebucht() override;
    void neuesSpiel() override;

    // The orderly end: the book with the month still running.
    void sichern();

    const std::vector<HofbuchSpalte>& spalten() const { return spalten_; }
    // The completed months, oldest first.
    const std::vector<HofbuchZeile>& zeilen() const { return zeilen_; }
    // The column of that kind and number, or -1.
    int32_t spalte(HofbuchSpalte::Art art, int32_t nr = 0) const;
    const std::string& pfad() const { return pfad_; }

    // The whole file as it is written.
    std::string text(bool mitLaufendem) const;
    // Called after every new row, for a window that shows the book.
    std::function<void()> geaendert;

private:
    void spaltenAnlegen();
    void beginnen();
    bool schreiben(bool mitLaufendem);
    // The rows of a book's text, or why it is not a book of this game.
    bool lesen(const std::string& bytes, std::vector<HofbuchZeile>& zeilen, std::string& grund) const;
    HofbuchZeile aktuelleZeile(bool laufend) const;
    int32_t buchungsArt(const std::string& bemerkung) const;
    std::string beiseite(const std::string& zusatz) const;
    std::string zeilenText(const HofbuchZeile& z) const;
    // The rows were replaced: the text is made anew.
    void vergessen();

    std::string pfad_;
    std::vector<HofbuchSpalte> spalten_;
    std::vector<std::string> buchungsPraefixe_;  // per booking column
    int32_t sonstiges_ = 0;                      // column of what fits no kind
    std::vector<HofbuchZeile> zeilen_;
    std::vector<int64_t> laufend_;  // the running month's bookings by column
    int64_t anfang_ = 0;            // the balance the running month began with
    bool schreibfehlerGemeldet_ = false;
    // The completed rows as written, and how many of them.
    mutable std::string zeilenText_;
    mutable std::size_t zeilenImText_ = 0;
};
