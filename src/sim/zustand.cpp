#include "sim/zustand.h"

#include <charconv>
#include <functional>

#include "app/anzahlform.h"
#include "app/kindform.h"
#include "app/kontoform.h"
#include "app/kontrollform.h"
#include "app/mainform.h"
#include "goods/gutform.h"
#include "goods/siloform.h"
#include "livestock/tierform.h"
#include "livestock/tierkaufform.h"
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
    // The shortest decimal text that reads back as the same float.
    void real(const std::string& name, float wert) {
        char puffer[32];
        const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
        zeilen_.push_back(name + "=" + std::string(puffer, ende));
    }

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
    a.text("farbe", std::to_string(s.farbe.r) + "," + std::to_string(s.farbe.g) + "," + std::to_string(s.farbe.b));
    // What the picture shows: the filled pixel rows of the body (none drawn
    // when the capacity is 0 or the stock exceeds it).
    a.zahl("fuellZeilen", s.maxmenge == 0 || s.menge > s.maxmenge ? 0 : s.fuellZeilen());
}

void tier(const TtierForm& t, Felder& a) {
    a.haken("MehrenCB", t.MehrenCB);
    a.haken("GebenCB", t.GebenCB);
    a.zahl("UpDown1.position", t.UpDown1.position);
    a.gitter("StringGrid1", t.StringGrid1);
    a.text("GroupBox1.caption", t.GroupBox1.caption);
    a.real("futterFaktor", t.futterFaktor);
    a.zahl("tierAnzahl", t.tierAnzahl());
    // The herd's animals; entries beyond it are empty.
    for (int32_t i = 1; i <= t.tierAnzahl(); ++i)
        a.zahl("gewicht[" + std::to_string(i) + "]", t.gewicht[static_cast<std::size_t>(i)]);
    a.zahl("aktuell", t.aktuell);
    a.zahl("produktNr", t.produktNr);
    a.zahl("ausgewachsen", t.ausgewachsen);
    a.zahl("zuwachs", t.zuwachs);
    a.zahl("seuchePromille", t.seuchePromille);
    a.zahl("klang", t.klang);
    a.real("produktProTier", t.produktProTier);
    a.text("seucheText", t.seucheText);
}

// Base classes before their descendants. New window classes add a line.
const std::vector<Drucker>& drucker() {
    static const std::vector<Drucker> liste = {
        fuer<TkindForm>(kind),     fuer<TKontrollForm>(kontrolle), fuer<TKontoForm>(konto),
        fuer<TPreiseForm>(preise), fuer<TgutForm>(gut),            fuer<TSiloForm>(silo),
        fuer<TtierForm>(tier),
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

void tierKauf(const TTierKaufForm& d, Felder& a) {
    a.text("caption", d.caption);
    a.zahl("left", d.left);
    a.zahl("top", d.top);
    a.knopf("BitBtn1", d.BitBtn1);
    a.knopf("BitBtn2", d.BitBtn2);
    a.knopf("BitBtn3", d.BitBtn3);
    a.zahl("gewichtsklasse", d.gewichtsklasse);
}

}  // namespace

bool zeigbaresFenster(Spiel& spiel, const std::string& name) {
    return name == "MainForm" || name == "AnzahlForm" || name == "TierKaufForm" || spiel.fenster(name) != nullptr;
}

std::vector<std::string> zustand(Spiel& spiel, const std::string& name) {
    std::vector<std::string> zeilen{"zustand\t" + name};
    Felder a(zeilen);
    if (name == "MainForm") {
        rahmen(spiel.frame(), a);
    } else if (name == "AnzahlForm") {
        if (AnzahlForm) anzahl(*AnzahlForm, a);
    } else if (name == "TierKaufForm") {
        if (TierKaufForm) tierKauf(*TierKaufForm, a);
    } else if (const TkindForm* f = spiel.fenster(name)) {
        for (const Drucker& d : drucker()) d(*f, a);
    }
    return zeilen;
}
