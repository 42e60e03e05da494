#include "geld/kontrollform.h"

#include <algorithm>
#include <limits>

#include "rahmen/beschreibung.h"
#include "geld/geldtext.h"
#include "geld/kontoform.h"
#include "rahmen/mainform.h"
#include "rahmen/plattform.h"
#include "geld/zahlen.h"
#include "geld/zufall.h"

bool futterMangel = false;
TKontrollForm* KontrollForm = nullptr;

const std::array<const char*, 13> monatsNamen = {"",     "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                                 "Juli", "August", "September", "Oktober", "November", "Dezember"};
const std::array<int32_t, 13> mittelTemperatur = {0, -1, 1, 3, 8, 13, 16, 18, 17, 14, 9, 4, 1};

TKontrollForm::TKontrollForm() : TkindForm("KontrollForm", "Kontrolle") {
    clientWidth = 280;
    clientHeight = 103;
    Button1.caption = "Weiter";
    Button1.hint = "Hier klicken, wenn alle Arbeiten für den aktuellen Monat abgeschlossen sind.";
    Button1.showHint = true;
}

void TKontrollForm::neu() {
    TkindForm::neu();
    setzeDatum(3, 2001);
    geld = 1000000;
    buchen(0, "", {});
    if (beobachter) beobachter->neuesSpiel();
}

void TKontrollForm::platz() {
    TkindForm::platz();
    left = 5;
    top = 5;
}

void TKontrollForm::beschreiben(Beschreiber& b) {
    TkindForm::beschreiben(b);
    b.label("Label1", Label1);
    b.label("Label2", Label2);
    b.knopf("Button1", Button1);
    b.label("Label3", Label3);
    // A month no calendar knows starts the saved year in March.
    b.zahl({{kontrollSektion, "monat"}, "monat", monat, Regel::bereichSonst(1, 12, 3)});
    b.zahl({{kontrollSektion, "jahr"}, "jahr", jahr});
    b.zahl({{kontrollSektion, "geld"}, "geld", geld});
    b.wert("temperatur", temperatur);
    b.wahr("futterMangel", futterMangel);
    b.beimLaden([this] {
        setzeDatum(monat, jahr);
        buchen(0, "", {});
    });
}

bool TKontrollForm::kannBuchen(int64_t betrag) const {
    int64_t neu = 0;
    return !__builtin_add_overflow(geld, betrag, &neu);
}

int64_t gebuchtesGeld(int64_t geld, int64_t betrag) { return gesaettigt(geld, betrag); }

Spanne TKontrollForm::sonstigeKostenSpanne() { return streuungSpanne(sonstigeKosten, sonstigeKostenStreuung); }

void TKontrollForm::buchen(int64_t betrag, const std::string& bemerkung, Buchung art) {
    const int64_t vorher = geld;
    geld = gebuchtesGeld(geld, betrag);
    // At the limit the row shows what really reached the account, not what was asked.
    int64_t bewegt = 0;
    if (__builtin_sub_overflow(geld, vorher, &bewegt)) bewegt = betrag;
    Label2.caption = "Guthaben: " + geldText(geld);
    neuZeichnen();
    if (!bemerkung.empty()) {
        if (KontoForm) KontoForm->eintragen(bewegt, bemerkung);
        plattform().gebucht(bewegt, bemerkung);
        if (beobachter) beobachter->gebucht(bewegt, art);
    }
}

void TKontrollForm::setzeDatum(int32_t m, int32_t j) {
    monat = m;
    jahr = j;
    Label1.caption = std::string(monatsNamen[static_cast<std::size_t>(m)]) + " " + std::to_string(j);
    neueTemperatur();
}

void TKontrollForm::neueTemperatur() { setzeTemperatur(mittelTemperatur[static_cast<std::size_t>(monat)] - 1 + Random(3)); }

void TKontrollForm::setzeTemperatur(int32_t t) {
    temperatur = t;
    Label3.caption = "Temperatur: " + std::to_string(temperatur) + "°C";
    neuZeichnen();
}

void TKontrollForm::Button1Click() {
    buchen(streuung(sonstigeKosten, sonstigeKostenStreuung), "Sonstige Kosten", {BuchungsArt::sonstigeKosten});
    futterMangel = false;
    MainForm->fuerJedesKind([](TkindForm& k) { k.weiter(); });
    if (futterMangel) {
        plattform().spieleKlang("BOING");
        plattform().melden(MeldungsArt::Warnung, {texte::futtermangel}, Knoepfe::OK);
    }
    if (beobachter) beobachter->monatGebucht();
    ++monat;
    if (monat > 12) {
        monat = 1;
        if (jahr < std::numeric_limits<int32_t>::max()) ++jahr;
    }
    setzeDatum(monat, jahr);
    if (monatGeschlossen) monatGeschlossen();
    // The logbook's file after the recovery point: the game's own comes first
    // on a disk that is nearly full.
    if (beobachter) beobachter->monatGesichert();
}
