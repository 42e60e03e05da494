#include "geld/kontoform.h"

#include "rahmen/beschreibung.h"

#include "geld/geldtext.h"

TKontoForm* KontoForm = nullptr;

TKontoForm::TKontoForm() : TkindForm("KontoForm", "Kontoauszug") {
    clientWidth = 304;
    clientHeight = 171;
}

void TKontoForm::neu() {
    TkindForm::neu();
    for (int32_t z = 1; z < StringGrid1.rowCount(); ++z) {
        StringGrid1.setCell(0, z, "");
        StringGrid1.setCell(1, z, "");
    }
    StringGrid1.setCell(0, 0, "Bemerkung");
    StringGrid1.setCell(1, 0, "Betrag");
    letzteZeile = 0;
    neuZeichnen();
}

void TKontoForm::beschreiben(Beschreiber& b) {
    TkindForm::beschreiben(b);
    // The rows are not saved: the statement starts empty at every start.
    b.gitter("StringGrid1", StringGrid1);
    b.wert("letzteZeile", letzteZeile);
}

void TKontoForm::platz() {
    TkindForm::platz();
    top = 5;
    left = 350;
    setzeAussenGroesse(302, 195);
}

void TKontoForm::eintragen(int64_t betrag, const std::string& bemerkung) {
    const int32_t letzte = StringGrid1.rowCount() - 1;
    if (letzteZeile < letzte) {
        ++letzteZeile;
    } else {
        for (int32_t z = 2; z <= letzte; ++z) {
            StringGrid1.setCell(0, z - 1, StringGrid1.cell(0, z));
            StringGrid1.setCell(1, z - 1, StringGrid1.cell(1, z));
        }
    }
    StringGrid1.setCell(1, letzteZeile, rechtsbuendig(geldText(betrag), 15));
    StringGrid1.setCell(0, letzteZeile, bemerkung);
    neuZeichnen();
}
