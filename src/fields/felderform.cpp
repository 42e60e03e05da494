#include "fields/felderform.h"

#include <vector>

#include "rahmen/beschreibung.h"
#include "geld/kontrollform.h"
#include "spielstand/spielstand.h"
#include "fields/feldaktionform.h"

TFelderForm* FelderForm = nullptr;
TPaintFelder* paintFelder = nullptr;

namespace {
std::string sektion(int32_t i) { return "Fld" + std::to_string(i); }

// A crop code no field knows, from a hand-edited file: below the codes the
// field is not leased, above them it is leased and bare.
int32_t gueltigesWas(int32_t was) {
    if (was < nichtGepachtet) return nichtGepachtet;
    if (was > gras) return kahl;
    return was;
}
}  // namespace

TPaintFelder::TPaintFelder() : hint("Klicken Sie auf ein Feld!") {}

void TPaintFelder::paint(Canvas& c) const {
    if (!FelderForm) return;
    std::vector<Punkt> ecken;
    for (std::size_t i = 1; i < FelderForm->felder.size() && FelderForm->felder[i]; ++i) {
        const TFeld& f = *FelderForm->felder[i];
        c.setzeStift(f.stift());
        c.setzePinsel(f.pinsel());
        ecken.assign(f.ecken.begin(), f.ecken.begin() + f.eckenZahl);
        c.polygon(ecken);
    }
}

void TPaintFelder::mousemove(int32_t x, int32_t y) {
    aktFeld = nullptr;
    if (FelderForm) {
        for (std::size_t i = 1; i < FelderForm->felder.size() && FelderForm->felder[i]; ++i) {
            if (FelderForm->felder[i]->enthaelt({x, y})) {
                aktFeld = FelderForm->felder[i].get();
                break;
            }
        }
    }
    // The hint explains the map only while the pointer is off the fields.
    cursor = aktFeld ? Mauszeiger::hand : Mauszeiger::standard;
    showHint = aktFeld == nullptr;
}

void TPaintFelder::Click() {
    if (!aktFeld) return;
    if (FelderForm) FelderForm->aktion(*aktFeld);
    invalidate();
}

void TPaintFelder::invalidate() {
    if (FelderForm) FelderForm->neuZeichnen();
}

TFelderForm::TFelderForm() : TkindForm("FelderForm", "Felder") {
    FormCreate();
}

TFelderForm::~TFelderForm() { FormDestroy(); }

void TFelderForm::FormCreate() {
    sizeable = true;
    setzeAussenGroesse(580, 431);
    Image1 = {0, 0, 540, 380};
    for (auto& f : felder) f.reset();
    auto anlegen = [this](std::size_t i, const char* n, int32_t flaeche, std::initializer_list<int32_t> punkte) {
        felder[i] = std::make_unique<TFeld>();
        felder[i]->ini(n, flaeche, punkte);
    };
    anlegen(1, "Thomasbach", 17, {369, 103, 510, 120, 495, 190, 356, 169, -1});
    anlegen(2, "Waldblick", 28, {435, 189, 507, 201, 451, 344, 344, 343, -1});
    anlegen(3, "Glücksberg", 21, {90, 63, 150, 145, 148, 166, 111, 217, 38, 120, -1});
    anlegen(4, "Hollweg", 10, {30, 215, 70, 166, 112, 220, 123, 229, 91, 276, -1});
    anlegen(5, "Niderlicht", 12, {122, 255, 287, 252, 330, 263, 344, 292, 95, 292, -1});
    PaintFelder = std::make_unique<TPaintFelder>();
    paintFelder = PaintFelder.get();
    PaintFelder->top = 0;
    PaintFelder->left = 0;
    PaintFelder->width = Image1.width;
    PaintFelder->height = Image1.height;
    WMGetMinMaxInfo();
}

void TFelderForm::FormDestroy() {
    if (paintFelder == PaintFelder.get()) paintFelder = nullptr;
    PaintFelder.reset();
    for (auto& f : felder) f.reset();
}

void TFelderForm::WMGetMinMaxInfo() {
    maxTrackWidth = Image1.width - 10;
    maxTrackHeight = Image1.height - 10;
}

void TFelderForm::neu() {
    TkindForm::neu();
    for (std::size_t i = 1; i < felder.size() && felder[i]; ++i) {
        felder[i]->was = nichtGepachtet;
        felder[i]->wachs = 0;
    }
    if (PaintFelder) PaintFelder->invalidate();
}

void TFelderForm::platz() {
    TkindForm::platz();
    top = 194;
    left = 440;
    setzeAussenGroesse(340, 330);
}

namespace {
// The five fields: the file keeps crop and score in a section per field,
// "Fld1" … "Fld5"; the dump shows each field whole, outline and colours too.
class Feldliste : public EigenerEintrag {
public:
    explicit Feldliste(TFelderForm& k) : k_(k) {}
    void laden() override {
        for (std::size_t i = 1; i < k_.felder.size() && k_.felder[i]; ++i) {
            TFeld& f = *k_.felder[i];
            const std::string s = sektion(static_cast<int32_t>(i));
            iniLesen(s, "was", f.was);
            iniLesen(s, "wachs", f.wachs);
            f.was = gueltigesWas(f.was);
        }
    }
    void speichern() const override {
        for (std::size_t i = 1; i < k_.felder.size() && k_.felder[i]; ++i) {
            const std::string s = sektion(static_cast<int32_t>(i));
            iniSchreiben(s, "was", k_.felder[i]->was);
            iniSchreiben(s, "wachs", k_.felder[i]->wachs);
        }
    }
    void zeigen(Beschreiber& b) const override {
        for (std::size_t i = 1; i < k_.felder.size() && k_.felder[i]; ++i) {
            const TFeld& f = *k_.felder[i];
            const std::string n = "felder[" + std::to_string(i) + "]";
            b.text(n + ".name", f.name);
            b.wert(n + ".flaeche", f.flaeche);
            std::string ecken;
            for (int32_t e = 0; e < f.eckenZahl; ++e) {
                const Punkt p = f.ecken[static_cast<std::size_t>(e)];
                ecken += (e ? " " : "") + std::to_string(p.x) + "," + std::to_string(p.y);
            }
            b.text(n + ".ecken", ecken);
            b.wert(n + ".was", f.was);
            b.wert(n + ".wachs", f.wachs);
            b.wahr(n + ".gepachtet", f.was >= 0);
            // The colours the map draws the field with.
            b.farbe(n + ".stift", f.stift());
            b.farbe(n + ".pinsel", f.pinsel());
        }
    }
    std::vector<Ort> schluessel() const override {
        const std::string felder = sektion(1) + " … " + sektion(TFelderForm::anzahlFelder);
        return {{felder, "was"}, {felder, "wachs"}};
    }

private:
    TFelderForm& k_;
};
}  // namespace

void TFelderForm::beschreiben(Beschreiber& b) {
    TkindForm::beschreiben(b);
    b.farbe("farbe", farbe);
    b.text("Image1", std::to_string(Image1.left) + "," + std::to_string(Image1.top) + "," +
                         std::to_string(Image1.width) + "," + std::to_string(Image1.height));
    b.wert("maxTrackWidth", maxTrackWidth);
    b.wert("maxTrackHeight", maxTrackHeight);
    Feldliste liste(*this);
    b.eigenes(liste);
    b.beimLaden([this] { neuZeichnen(); });
    if (const TPaintFelder* p = PaintFelder.get()) {
        int64_t akt = 0;
        for (std::size_t i = 1; i < felder.size() && felder[i]; ++i)
            if (felder[i].get() == p->aktFeld) akt = static_cast<int64_t>(i);
        b.wert("PaintFelder.aktFeld", akt);
        b.text("PaintFelder.hint", p->hint);
        b.wahr("PaintFelder.showHint", p->showHint);
        b.text("PaintFelder.cursor", p->cursor == Mauszeiger::hand ? "hand" : "standard");
    }
}

void TFelderForm::weiter() {
    TkindForm::weiter();
    for (std::size_t i = 1; i < felder.size() && felder[i]; ++i) {
        felder[i]->weiter();
        neuZeichnen();
    }
    // After the fields' step: a field whose crop died still pays.
    if (const int32_t p = pacht(); p != 0) KontrollForm->buchen(p, "Pacht für Felder", {BuchungsArt::pacht});
}

int32_t TFelderForm::pacht() const {
    int32_t gepachtet = 0;
    for (std::size_t i = 1; i < felder.size() && felder[i]; ++i)
        if (felder[i]->was >= 0) gepachtet += felder[i]->flaeche;
    return pachtJeHektar * gepachtet;
}

void TFelderForm::aktion(TFeld& f) {
    if (f.was < 0) {
        if (plattform().melden(MeldungsArt::Bestaetigen, {texte::feldPachten}, Knoepfe::OKAbbrechen) == Antwort::OK) {
            f.was = kahl;
            f.wachs = 0;
        }
        return;
    }
    TFeldAktionForm& d = *FeldAktionForm;
    d.NameLabel.caption = "Name: " + f.name;
    d.WachsLabel.caption.clear();
    if (f.was <= gras) d.WasLabel.caption = std::string("Bewuchs: ") + bewuchsNamen[static_cast<std::size_t>(f.was)];
    d.FleacheLabel.caption = "Fläche: " + std::to_string(f.flaeche) + " ha";
    d.feld = &f;
    plattform().zeigeModal(d);
}
