// The account statement: the nine latest bookings, oldest at the top.
#pragma once

#include <cstdint>
#include <string>

#include "rahmen/kindform.h"
#include "rahmen/steuerelemente.h"

class TKontoForm : public TkindForm {
public:
    TKontoForm();

    StringGrid StringGrid1{2, 10};
    int32_t letzteZeile = 0;

    void neu() override;
    void platz() override;
    void beschreiben(Beschreiber& b) override;

    void eintragen(int64_t betrag, const std::string& bemerkung);
    // The rows and the last of them, which no file keeps.
    Nebenbei nebenbei() const override;
    void nebenbeiSetzen(const Nebenbei& n) override;
};

extern TKontoForm* KontoForm;
