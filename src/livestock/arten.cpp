#include "livestock/arten.h"

#include "market/preiseform.h"

TKueheForm* KueheForm = nullptr;
TSchweineForm* SchweineForm = nullptr;
THuenerForm* HuenerForm = nullptr;
TSchafForm* SchafForm = nullptr;

TKueheForm::TKueheForm() : TtierForm("KueheForm", "Kühe") { GebenCB.caption = "Milchgeben"; }

void TKueheForm::neu() {
    TtierForm::neu();
    gutNr = nrKuehe;
    produktNr = nrMilch;
    ausgewachsen = 7111;
    seuchePromille = 5;
    seucheText = "Wegen BSE mussten alle Kühe getötet werden.";
    klang = 200;
}

void TKueheForm::platz() {
    TtierForm::platz();
    left = 195;
    top = 360;
}

// Pigs deliver nothing: their product box is hidden.
TSchweineForm::TSchweineForm() : TtierForm("SchweineForm", "Schweine") { GebenCB.visible = false; }

void TSchweineForm::neu() {
    TtierForm::neu();
    gutNr = nrSchweine;
    ausgewachsen = 2000;
    seuchePromille = 4;
    seucheText = "Wegen Verdacht auf Maul und Klauenseuche mussten alle Schweine getötet werden.";
    klang = 201;
}

void TSchweineForm::platz() {
    TtierForm::platz();
    left = 0;
    top = 330;
}

THuenerForm::THuenerForm() : TtierForm("HuenerForm", "Hühner") { GebenCB.caption = "Eierlegen"; }

void THuenerForm::neu() {
    TtierForm::neu();
    gutNr = nrHuener;
    produktNr = nrEier;
    ausgewachsen = 40;
    zuwachs = 11;
    seuchePromille = 0;
    klang = 202;
    produktProTier = 30.0f;
}

void THuenerForm::platz() {
    TtierForm::platz();
    left = 65;
    top = 340;
}

TSchafForm::TSchafForm() : TtierForm("SchafForm", "Schafe") { GebenCB.caption = "Wollegeben"; }

void TSchafForm::neu() {
    TtierForm::neu();
    gutNr = nrSchafe;
    produktNr = nrWolle;
    ausgewachsen = 762;
    zuwachs = 111;
    seuchePromille = 0;
    klang = 203;
    produktProTier = 0.4f;
}

void TSchafForm::platz() {
    TtierForm::platz();
    left = 130;
    top = 350;
}
