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

Nebenbei TKontoForm::nebenbei() const {
    Nebenbei n;
    for (int32_t z = 0; z < StringGrid1.rowCount(); ++z)
        for (int32_t s = 0; s < StringGrid1.colCount(); ++s) n.texte.push_back(StringGrid1.cell(s, z));
    n.zahlen = {letzteZeile};
    return n;
}

void TKontoForm::nebenbeiSetzen(const Nebenbei& n) {
    if (n.zahlen.size() != 1 || n.texte.size() != static_cast<std::size_t>(StringGrid1.rowCount() * StringGrid1.colCount()))
        return;
    std::size_t i = 0;
    for (int32_t z = 0; z < StringGrid1.rowCount(); ++z)
        for (int32_t s = 0; s < StringGrid1.colCount(); ++s) StringGrid1.setCell(s, z, n.texte[i++]);
    letzteZeile = static_cast<int32_t>(n.zahlen[0]);
    neuZeichnen();
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
