// The purchase dialog: the player picks the weight class of one animal.
#pragma once

#include <cstdint>

#include "app/dialog.h"
#include "app/steuerelemente.h"

class TTierKaufForm : public TDialog {
public:
    TTierKaufForm();

    Button BitBtn1;  // small
    Button BitBtn2;  // medium
    Button BitBtn3;  // large
    Button Button1;  // cancel (Escape); lies outside the client area
    // 0 nothing chosen, 1 small, 2 medium, 3 large.
    int32_t gewichtsklasse = 0;

    // Clears the choice and opens beside the mouse pointer.
    void FormShow() override;
    // A weight button: records the class and ends the dialog. The result
    // says nothing; the caller reads gewichtsklasse.
    void ButtonClick(int32_t klasse);
};

extern TTierKaufForm* TierKaufForm;
