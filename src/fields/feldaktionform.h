// The field work dialog: plough, cultivate, fertilise, drill or harvest one
// leased field, or end its lease.
#pragma once

#include <cstdint>
#include <string>

#include "rahmen/dialog.h"
#include "rahmen/steuerelemente.h"
#include "fields/feld.h"

class TSiloForm;

// The store a harvest of the crop goes to.
TSiloForm& ernteLager(int32_t was);
// What a harvest of the field now would lose for lack of room in its store.
int64_t ernteVerlust(const TFeld& f);

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
    // Below this temperature the ground is too hard for any work.
    static constexpr int32_t mindestTemperatur = 3;

    // What a work costs on a field of the area: the diesel it uses (Liter)
    // and what it books (cents, negative). Reads only.
    struct Kosten {
        int64_t diesel = 0;
        int64_t betrag = 0;
    };
    static Kosten kosten(Arbeit arbeit, int32_t flaeche);
    // The cost of work i (ArbeitRG's order) on the dialog's field, for its
    // label: "17 l Diesel", "17 l Diesel, 25,50 EUR Saatgut"; for the harvest
    // also what it would bring now. Empty without a field.
    std::string kostenText(int32_t arbeit) const;
    // The same in a few characters, for the work's row: the money it books
    // ("6,80 EUR"), or for the harvest what it brings ("667 DZ"); empty for
    // a work that only uses diesel.
    std::string kostenKurz(int32_t arbeit) const;

    // Whether the work would be done on f now: warm enough, diesel and
    // money enough. Reads only.
    static bool wirdGetan(Arbeit arbeit, const TFeld& f);
    // The question before the chosen work destroys a growing crop ("Auf
    // Hollweg wächst Winterweizen (keimt, Wert 120). Trotzdem pflügen?"),
    // empty when nothing is lost. The face asks it; the rules do not.
    std::string rueckfrage() const;
    // What the player should know before work i: a harvest's loss for lack
    // of room, fertiliser or seed that would change nothing. Empty if none.
    std::string hinweis(int32_t arbeit) const;

    void beschreiben(Beschreiber& b) const override;
    void FormShow() override;
    // After the player changed ArbeitRG.itemIndex.
    void ArbeitRGClick();
    void BearbeitBtClick();
    void PachtBtClick();
    void BitBtn3Click();
};

extern TFeldAktionForm* FeldAktionForm;
