// The quantity dialog: the player types how many units to trade.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rahmen/dialog.h"
#include "rahmen/steuerelemente.h"

class TkindForm;

class TAnzahlForm : public TDialog {
public:
    TAnzahlForm();

    Edit Edit1;
    Button Button1;  // "OK"
    Button Button2;  // "Abbruch"
    int32_t anzahl = 0;
    // The window that asks and whether it buys or sells, while the dialog
    // is open; the face shows what the typed quantity would trade.
    const TkindForm* haendler = nullptr;
    bool kaufen = true;

    void beschreiben(Beschreiber& b) const override;
    void FormShow() override;
    bool FormCloseQuery(bool mitOK) override;

    // The conversion rule: leading blanks, then a sign and decimal digits in
    // the 32-bit range, or "$" and hexadecimal digits; nothing may follow.
    static std::optional<int32_t> umwandeln(const std::string& text);
};

extern TAnzahlForm* AnzahlForm;
