// A herd: a goods window whose stock is a list of animals, each with its own
// live weight in tenths of a kilogram. Base of the four species.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rahmen/steuerelemente.h"
#include "geld/zufall.h"
#include "goods/gutform.h"
#include "livestock/tierkaufform.h"

// What tells one species from another: its window, its good and product,
// its constants, the text of its disease, its sound and its place.
struct Tierart {
    const char* name;
    const char* caption;
    const char* kennung;        // the face's picture and guide chapter
    const char* produktText;    // the product box; none: hidden (the pigs)
    const int32_t* gut;         // numbers handed out by the price list
    const int32_t* produkt;     // none: the species delivers nothing
    int32_t ausgewachsen;       // full-grown weight, tenths of a kg
    int32_t zuwachs;
    int32_t seuchePromille;
    const char* seucheText;
    int32_t klang;
    float produktProTier;
    int32_t left;
    int32_t top;
};

class TtierForm : public TgutForm {
public:
    explicit TtierForm(const Tierart& art);

    const Tierart& art;

    // The most animals a herd can hold; the list has one empty entry more.
    static constexpr int32_t maxTiere = 249;

    CheckBox MehrenCB;  // "Vermehren"
    CheckBox GebenCB;   // the product; caption per species, hidden for pigs
    UpDown UpDown1;     // browses the animals; its position means nothing
    StringGrid StringGrid1{2, 2};
    GroupBox GroupBox1;  // "Einzelnes Tier"

    float futterFaktor = 0.008f;  // kg of feed per tenth of a kg of live weight
    // Entries 1..251; the herd is the run of non-zero weights from entry 1.
    std::array<int16_t, 252> gewicht{};
    int32_t aktuell = 0;  // the animal shown in the panel
    int32_t produktNr = 0;
    int32_t ausgewachsen = 0;
    int32_t zuwachs = 330;
    int32_t seuchePromille = 0;
    int32_t klang = 0;  // sound played on activation; 0 = none
    float produktProTier = 480.0f;
    std::string seucheText;

    // The number of leading non-zero entries, at most 249.
    int32_t tierAnzahl() const;
    // Shows animal i in the panel if it exists.
    void zeigeTier(int32_t i);
    // Appends an animal if the stable has room.
    bool neuesTier(int16_t w);
    // Removes animal i: the last one takes its number.
    bool entferneTier(int32_t i);

    // What the purchase dialog's weight class k (1 small … 3 large) offers.
    // Reads only: nothing is drawn or booked.
    Kaufangebot kaufAngebot(int32_t klasse) const;
    // All three, by class, as the purchase dialog takes them.
    std::array<Kaufangebot, 4> kaufAngebote() const;
    // What an animal of weight w costs at today's buying (kaufen) or selling
    // price, in cents; 64 bits, for a price list edited beyond the usual.
    int64_t tierPreis(int16_t w, bool kaufen) const;

    // Buying: a full-grown animal's price; selling: the shown animal's.
    std::string preisHinweis(bool kaufen) const override;

    // Ignores v: the stock is the number of animals.
    bool setzeMenge(int32_t v) override;
    // Buys through the purchase dialog as many animals of the chosen class
    // as it says, each exactly as a single purchase, up to the first one the
    // stable or the account refuses; or sells the shown animal.
    void KVButtonClick(const Button& sender) override;
    // The stable cannot grow to 250 or beyond.
    void MaxMengeLbClick() override;
    void FormActivate() override;

    void neu() override;
    void platz() override;
    void beschreiben(Beschreiber& b) override;
    void weiter() override;
    // The animal shown and the arrows' position, which no file keeps.
    Nebenbei nebenbei() const override { return {{}, {aktuell, UpDown1.position}}; }
    void nebenbeiSetzen(const Nebenbei& n) override;

    // The player's inputs: an arrow of the up-down control (up = previous
    // animal; the handler moves UpDown1.position itself, as the control
    // does before it reports the click), ticking or unticking a check box.
    void UpDown1Click(bool hoch);
    // The player chose animal i in the herd's list: it becomes the shown
    // animal, as the arrows would make it; a number outside the herd
    // changes nothing.
    void TierGewaehlt(int32_t i);

    // The month foretold, step by step as weiter takes it, drawing nothing.
    // What the feed silo holds when the herd's turn comes, and whether an
    // earlier herd of this month has run short; ausblick carries both on.
    struct FutterLage {
        int64_t bestand = 0;
        bool mangel = false;
    };
    enum class Futter { satt, einTierStirbt, alleSterben };
    struct Herdenausblick {
        int32_t tiere = 0;  // at the start of the step
        Futter futter = Futter::satt;
        int32_t bedarf = 0;       // kg the herd eats
        int64_t fehlt = 0;        // kg the silo lacks at its turn
        int32_t seuchePromille = 0;
        int32_t erwachsene = 0;
        Spanne geburten;          // with breeding on
        int32_t platz = 0;        // free places for the young
        Spanne verloreneJunge;
        bool produkt = false;     // the product is delivered and sold
        Spanne produktMenge;      // in its unit, as the remark rounds it
        Spanne erloes;            // cents
    };
    // produktPreis: the product's price when the herd's turn comes (drifted,
    // when the price list's step runs first). Exact where no draw decides;
    // the feed as if no disease struck.
    Herdenausblick ausblick(FutterLage& lage, const Spanne& produktPreis) const;
    // Places in the stable for young beside tiere animals.
    int32_t stallPlatz(int32_t tiere) const;
    // The kg the herd eats this month when its turn comes with feed enough,
    // whatever the herds before it left: what the outlook adds to the need
    // of a herd that starves because another ate first.
    int32_t monatsBedarf() const;

    // The product's spread in per mille.
    static constexpr int32_t produktStreuung = 63;
    void MehrenCBClick(bool an);
    void GebenCBClick(bool an);

private:
    // One purchase of weight class k: its draw, the checks, the animal and
    // the booking. False when the stable or the account refused it.
    bool einTierKaufen(int32_t k);
    // The month's rules that weiter and ausblick share.
    struct Zensus {
        int64_t gesamt = 0;  // live weight of the herd, tenths of a kg
        int32_t erwachsene = 0;
    };
    Zensus zensus() const;
    int32_t futterBedarf(int64_t gesamt) const;
    static int32_t geburtenBei(int32_t erwachsene, long double r);
    long double produktBasis(int32_t erwachsene) const;
    static int32_t erloes(long double q, int32_t preis);
};
