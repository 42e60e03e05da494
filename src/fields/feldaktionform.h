// The field work dialog: plough, cultivate, fertilise, drill or harvest one
// leased field, or end its lease.
#pragma once

#include <cstdint>

#include "app/dialog.h"
#include "app/steuerelemente.h"
#include "fields/feld.h"

class TFeldAktionForm : public TDialog {
public:
    TFeldAktionForm();

    Label NameLabel;
    Label WasLabel;
    Label WachsLabel;
    RadioGroup ArbeitRG;
    RadioGroup SaatgutRG;
    Label FleacheLabel;
    Button BitBtn2;     // cancel
    Button BearbeitBt;  // "&Bearbeiten", the default button
    Button BitBtn3;     // help
    Button PachtBt;     // "Pachtvertrag &kündigen"
    TFeld* feld = nullptr;

    int32_t clientWidth = 312;
    int32_t clientHeight = 353;
    static constexpr int32_t hilfeKontext = 102;

    void FormShow() override;
    // After the player changed ArbeitRG.itemIndex.
    void ArbeitRGClick();
    void BearbeitBtClick();
    void PachtBtClick();
    void BitBtn3Click();
};

extern TFeldAktionForm* FeldAktionForm;
