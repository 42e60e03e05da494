#include "sim/zustand.h"

#include <functional>

#include "app/anzahlform.h"
#include "app/kindform.h"
#include "app/kontoform.h"
#include "app/kontrollform.h"
#include "app/mainform.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/gutform.h"
#include "goods/siloform.h"
#include "market/preiseform.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"

namespace {

// Collects the "name=value" lines; texts are escaped as in the transcript.
class Felder {
public:
    explicit Felder(std::vector<std::string>& zeilen) : zeilen_(zeilen) {}
    void text(const std::string& name, const std::string& wert) {
        zeilen_.push_back(name + "=" + ScriptedPlatform::maskieren(wert));
    }
    void zahl(const std::string& name, int64_t wert) { zeilen_.push_back(name + "=" + std::to_string(wert)); }
    void wahr(const std::string& name, bool wert) { zahl(name, wert ? 1 : 0); }

    void label(const std::string& name, const Label& l) {
        text(name + ".caption", l.caption);
        wahr(name + ".visible", l.visible);
    }
    void knopf(const std::string& name, const Button& k) {
        text(name + ".caption", k.caption);
        text(name + ".hint", k.hint);
        wahr(name + ".showHint", k.showHint);
        wahr(name + ".visible", k.visible);
    }
    void haken(const std::string& name, const CheckBox& c) {
        text(name + ".caption", c.caption);
        wahr(name + ".checked", c.checked);
        wahr(name + ".visible", c.visible);
    }
    void farbe(const std::string& name, Farbe f) {
        text(name, std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b));
    }
    void radio(const std::string& name, const RadioGroup& r) {
        text(name + ".caption", r.caption);
        for (std::size_t i = 0; i < r.items.size(); ++i) text(name + ".items[" + std::to_string(i) + "]", r.items[i]);
        zahl(name + ".itemIndex", r.itemIndex);
        wahr(name + ".visible", r.visible);
    }
    void gitter(const std::string& name, const StringGrid& g) {
        zahl(name + ".colCount", g.colCount());
        zahl(name + ".rowCount", g.rowCount());
        for (int32_t z = 0; z < g.rowCount(); ++z)
            for (int32_t s = 0; s < g.colCount(); ++s)
                text(name + "[" + std::to_string(s) + "," + std::to_string(z) + "]", g.cell(s, z));
    }
    template <class Feld>
    void reihe(const std::string& name, const Feld& feld) {
        for (std::size_t i = 0; i < feld.size(); ++i) {
            const std::string n = name + "[" + std::to_string(i) + "]";
            if constexpr (std::is_same_v<typename Feld::value_type, std::string>) text(n, feld[i]);
            else zahl(n, feld[i]);
        }
    }

private:
    std::vector<std::string>& zeilen_;
};

using Drucker = std::function<void(const TkindForm&, Felder&)>;

// A printer for the windows of class T and its descendants.
template <class T>
Drucker fuer(void (*drucken)(const T&, Felder&)) {
    return [drucken](const TkindForm& f, Felder& a) {
        if (const T* t = dynamic_cast<const T*>(&f)) drucken(*t, a);
    };
}

void kind(const TkindForm& f, Felder& a) {
    a.text("caption", f.caption);
    a.zahl("left", f.left);
    a.zahl("top", f.top);
    a.zahl("clientWidth", f.clientWidth);
    a.zahl("clientHeight", f.clientHeight);
    a.zahl("windowState", static_cast<int32_t>(f.windowState));
    a.wahr("sizeable", f.sizeable);
}

void kontrolle(const TKontrollForm& k, Felder& a) {
    a.label("Label1", k.Label1);
    a.label("Label2", k.Label2);
    a.knopf("Button1", k.Button1);
    a.label("Label3", k.Label3);
    a.zahl("monat", k.monat);
    a.zahl("jahr", k.jahr);
    a.zahl("geld", k.geld);
    a.zahl("temperatur", k.temperatur);
    a.wahr("futterMangel", futterMangel);
}

void konto(const TKontoForm& k, Felder& a) {
    a.gitter("StringGrid1", k.StringGrid1);
    a.zahl("letzteZeile", k.letzteZeile);
}

void preise(const TPreiseForm& p, Felder& a) {
    a.gitter("StringGrid1", p.StringGrid1);
    a.reihe("preis", p.preis);
    a.reihe("maxPreis", p.maxPreis);
    a.reihe("minPreis", p.minPreis);
    a.reihe("gutName", p.gutName);
    a.reihe("einheit", p.einheit);
}

void gut(const TgutForm& g, Felder& a) {
    a.label("MengeLabel", g.MengeLabel);
    a.knopf("SizeButton", g.SizeButton);
    a.knopf("KaufenButton", g.KaufenButton);
    a.knopf("VKaufenButton", g.VKaufenButton);
    a.label("MaxMengeLb", g.MaxMengeLb);
    a.zahl("breiteKlein", g.breiteKlein);
    a.zahl("breiteGross", g.breiteGross);
    a.wahr("erweitert", g.erweitert);
    a.zahl("menge", g.menge);
    a.zahl("maxmenge", g.maxmenge);
    a.zahl("gutNr", g.gutNr);
}

void silo(const TSiloForm& s, Felder& a) {
    a.farbe("farbe", s.farbe);
    // What the picture shows: the filled pixel rows of the body (none drawn
    // when the capacity is 0 or the stock exceeds it).
    a.zahl("fuellZeilen", s.maxmenge == 0 || s.menge > s.maxmenge ? 0 : s.fuellZeilen());
}

void felderKarte(const TFelderForm& k, Felder& a) {
    a.farbe("farbe", k.farbe);
    a.text("Image1", std::to_string(k.Image1.left) + "," + std::to_string(k.Image1.top) + "," +
                         std::to_string(k.Image1.width) + "," + std::to_string(k.Image1.height));
    a.zahl("maxTrackWidth", k.maxTrackWidth);
    a.zahl("maxTrackHeight", k.maxTrackHeight);
    for (std::size_t i = 1; i < k.felder.size() && k.felder[i]; ++i) {
        const TFeld& f = *k.felder[i];
        const std::string n = "felder[" + std::to_string(i) + "]";
        a.text(n + ".name", f.name);
        a.zahl(n + ".flaeche", f.flaeche);
        std::string ecken;
        for (int32_t e = 0; e < f.eckenZahl; ++e) {
            const Punkt p = f.ecken[static_cast<std::size_t>(e)];
            ecken += (e ? " " : "") + std::to_string(p.x) + "," + std::to_string(p.y);
        }
        a.text(n + ".ecken", ecken);
        a.zahl(n + ".was", f.was);
        a.zahl(n + ".wachs", f.wachs);
        a.wahr(n + ".gepachtet", f.was >= 0);
        // The colours the map draws the field with.
        a.farbe(n + ".stift", f.stift());
        a.farbe(n + ".pinsel", f.pinsel());
    }
    if (const TPaintFelder* p = k.PaintFelder.get()) {
        int64_t akt = 0;
        for (std::size_t i = 1; i < k.felder.size() && k.felder[i]; ++i)
            if (k.felder[i].get() == p->aktFeld) akt = static_cast<int64_t>(i);
        a.zahl("PaintFelder.aktFeld", akt);
        a.text("PaintFelder.hint", p->hint);
        a.wahr("PaintFelder.showHint", p->showHint);
        a.text("PaintFelder.cursor", p->cursor == Mauszeiger::hand ? "hand" : "standard");
    }
}

// Base classes before their descendants. New window classes add a line.
const std::vector<Drucker>& drucker() {
    static const std::vector<Drucker> liste = {
        fuer<TkindForm>(kind),     fuer<TKontrollForm>(kontrolle), fuer<TKontoForm>(konto),
        fuer<TPreiseForm>(preise), fuer<TgutForm>(gut),            fuer<TSiloForm>(silo),
        fuer<TFelderForm>(felderKarte),
    };
    return liste;
}

void rahmen(const TmainForm& m, Felder& a) {
    a.text("caption", m.caption);
    a.wahr("musikAn", m.musikAn);
    std::string kinder;
    for (const TkindForm* k : m.kinder()) kinder += (kinder.empty() ? "" : ",") + k->name();
    a.text("kinder", kinder);
}

void anzahl(const TAnzahlForm& d, Felder& a) {
    a.text("caption", d.caption);
    a.zahl("left", d.left);
    a.zahl("top", d.top);
    a.text("Edit1.text", d.Edit1.text);
    a.knopf("Button1", d.Button1);
    a.knopf("Button2", d.Button2);
    a.zahl("anzahl", d.anzahl);
}

void feldAktion(const TFeldAktionForm& d, Felder& a) {
    a.text("caption", d.caption);
    a.zahl("clientWidth", d.clientWidth);
    a.zahl("clientHeight", d.clientHeight);
    a.label("NameLabel", d.NameLabel);
    a.label("WasLabel", d.WasLabel);
    a.label("WachsLabel", d.WachsLabel);
    a.radio("ArbeitRG", d.ArbeitRG);
    a.radio("SaatgutRG", d.SaatgutRG);
    a.label("FleacheLabel", d.FleacheLabel);
    a.knopf("BitBtn2", d.BitBtn2);
    a.knopf("BearbeitBt", d.BearbeitBt);
    a.knopf("BitBtn3", d.BitBtn3);
    a.knopf("PachtBt", d.PachtBt);
    a.text("feld", d.feld ? d.feld->name : "");
}

}  // namespace

bool zeigbaresFenster(Spiel& spiel, const std::string& name) {
    return name == "MainForm" || name == "AnzahlForm" || name == "FeldAktionForm" || spiel.fenster(name) != nullptr;
}

std::vector<std::string> zustand(Spiel& spiel, const std::string& name) {
    std::vector<std::string> zeilen{"zustand\t" + name};
    Felder a(zeilen);
    if (name == "MainForm") {
        rahmen(spiel.frame(), a);
    } else if (name == "AnzahlForm") {
        if (AnzahlForm) anzahl(*AnzahlForm, a);
    } else if (name == "FeldAktionForm") {
        if (FeldAktionForm) feldAktion(*FeldAktionForm, a);
    } else if (const TkindForm* f = spiel.fenster(name)) {
        for (const Drucker& d : drucker()) d(*f, a);
    }
    return zeilen;
}
