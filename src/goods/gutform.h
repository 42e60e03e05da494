// A window that holds a stock of one good: buying, selling and enlarging the
// capacity. Base of the stores and the herds.
#pragma once

#include <cstdint>
#include <string>

#include "rahmen/kindform.h"
#include "rahmen/steuerelemente.h"

class TgutForm : public TkindForm {
public:
    TgutForm(std::string name, std::string caption);

    Label MengeLabel;
    Button SizeButton;
    Button KaufenButton;
    Button VKaufenButton;
    Label MaxMengeLb;
    int32_t breiteKlein = 100;
    int32_t breiteGross = 310;
    bool erweitert = false;
    int32_t menge = 0;
    int32_t maxmenge = 0;
    int32_t gutNr = 0;

    void neu() override;
    void platz() override;
    void beschreiben(Beschreiber& b) override;

    // Buy (KaufenButton) or sell (VKaufenButton) through the quantity dialog.
    virtual void KVButtonClick(const Button& sender);
    // Sets the stock if 0 <= v <= maxmenge; otherwise changes nothing.
    virtual bool setzeMenge(int32_t v);
    // Whether the store takes the stock v: what setzeMenge accepts.
    bool fasst(int64_t v) const;
    virtual void setzeMaxMenge(int32_t v);
    // Offers to enlarge the capacity by half.
    virtual void MaxMengeLbClick();
    // What that enlargement costs (cents, positive).
    int64_t vergroesserungsKosten() const;
    void SizeButtonClick();
    void setzeErweitert(bool b);
    // Today's price of a trade, for the trade buttons' hints: buying
    // (kaufen) or selling, "Ankauf heute: 1,12 EUR je kg". Reads only.
    virtual std::string preisHinweis(bool kaufen) const;
    // What a trade of n units would do (n > 0 sells, n < 0 buys), for the
    // quantity dialog while the player types: today's unit price, the room
    // left in the store (buying) or its stock (selling), the amount the
    // trade would book (signed, cents) and whether the store takes it.
    // Reads only: nothing is drawn, booked or changed.
    struct Vorschau {
        int64_t einzelpreis = 0;
        int64_t platz = 0;
        int64_t betrag = 0;
        bool passt = false;
        std::string einheit;
    };
    Vorschau handelsVorschau(int64_t n) const;

protected:
    enum class Handel { gebucht, abgelehnt, zuTeuer };
    // Moves n units out of the store (n < 0: into it) and books the trade at
    // the sell or buy price. Amounts are computed in 64 bits; a trade whose
    // amount does not fit the account is refused with "Das ist zu viel!"
    // before anything changes. A stock beyond 0..maxmenge is refused silently:
    // the caller decides what to tell.
    Handel handeln(int64_t n);
};
