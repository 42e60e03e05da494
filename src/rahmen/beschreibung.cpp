#include "rahmen/beschreibung.h"

#include <charconv>

#include "spielstand/inidatei.h"
#include "spielstand/spielstand.h"
#include "geld/zahlen.h"

int64_t Regel::anwenden(int64_t v) const {
    if (erfuellt(v)) return v;
    if (sonst == Sonst::vorgabe) return vorgabe;
    return v < min ? min : max;
}

void Beschreiber::farbe(const std::string& name, Farbe f) {
    text(name, std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b));
}

void Beschreiber::label(const std::string& name, const Label& l) {
    text(name + ".caption", l.caption);
    wahr(name + ".visible", l.visible);
}

void Beschreiber::knopf(const std::string& name, const Button& k) {
    text(name + ".caption", k.caption);
    text(name + ".hint", k.hint);
    wahr(name + ".showHint", k.showHint);
    wahr(name + ".visible", k.visible);
}

void Beschreiber::kasten(const std::string& name, const CheckBox& c) {
    text(name + ".caption", c.caption);
    wahr(name + ".checked", c.checked);
    wahr(name + ".visible", c.visible);
}

void Beschreiber::radio(const std::string& name, const RadioGroup& r) {
    text(name + ".caption", r.caption);
    for (std::size_t i = 0; i < r.items.size(); ++i) text(name + ".items[" + std::to_string(i) + "]", r.items[i]);
    wert(name + ".itemIndex", r.itemIndex);
    wahr(name + ".visible", r.visible);
}

void Beschreiber::gitter(const std::string& name, const StringGrid& g) {
    wert(name + ".colCount", g.colCount());
    wert(name + ".rowCount", g.rowCount());
    for (int32_t z = 0; z < g.rowCount(); ++z)
        for (int32_t s = 0; s < g.colCount(); ++s)
            text(name + "[" + std::to_string(s) + "," + std::to_string(z) + "]", g.cell(s, z));
}

namespace {

template <class T>
T gelesen(const std::string& sektion, const std::string& schluessel, T vorher) {
    T v = vorher;
    iniLesen(sektion, schluessel, v);
    return v;
}

class Lader : public Beschreiber {
public:
    void zahl(Gespeichert<int32_t> g) override { laden(g); }
    void zahl(Gespeichert<int64_t> g) override { laden(g); }
    void haken(const char*, CheckBox& c, Ort ort, std::function<void(bool)> setzen) override {
        const bool an = gelesen<int32_t>(sektion(ort), ort.schluessel, c.checked ? 1 : 0) != 0;
        if (setzen) setzen(an);
        else c.checked = an;
    }
    void eigenes(EigenerEintrag& e) override { e.laden(); }
    void beimLaden(const std::function<void()>& schritt) override { schritt(); }

private:
    template <class T>
    void laden(Gespeichert<T>& g) {
        const T t = static_cast<T>(g.regel.anwenden(gelesen<T>(sektion(g.ort), g.ort.schluessel, g.wert)));
        if (g.setzen) g.setzen(t);
        else g.wert = t;
    }
};

class Speicherer : public Beschreiber {
public:
    void zahl(Gespeichert<int32_t> g) override { schreiben(g); }
    void zahl(Gespeichert<int64_t> g) override { schreiben(g); }
    void haken(const char*, CheckBox& c, Ort ort, std::function<void(bool)>) override {
        iniSchreiben(sektion(ort), ort.schluessel, int32_t{c.checked ? 1 : 0});
    }
    void eigenes(EigenerEintrag& e) override { e.speichern(); }

private:
    template <class T>
    void schreiben(Gespeichert<T>& g) {
        iniSchreiben(sektion(g.ort), g.ort.schluessel, g.alsGespeichert ? g.alsGespeichert() : g.wert);
    }
};

class Schluessel : public Beschreiber {
public:
    std::vector<Ort> orte;
    void zahl(Gespeichert<int32_t> g) override { merken(g.ort); }
    void zahl(Gespeichert<int64_t> g) override { merken(g.ort); }
    void haken(const char*, CheckBox&, Ort ort, std::function<void(bool)>) override { merken(ort); }
    void eigenes(EigenerEintrag& e) override {
        for (const Ort& o : e.schluessel()) merken(o);
    }

private:
    void merken(const Ort& o) { orte.push_back({sektion(o), o.schluessel}); }
};

class StrengerLeser : public Beschreiber {
public:
    StrengerLeser(const IniDatei& ini, std::string nur) : ini_(ini), nur_(std::move(nur)) {}
    bool gut = true;
    void zahl(Gespeichert<int32_t> g) override { lesen(g); }
    void zahl(Gespeichert<int64_t> g) override { lesen(g); }
    void haken(const char*, CheckBox& c, Ort ort, std::function<void(bool)>) override {
        if (sektion(ort) != nur_) return;
        int32_t v = 0;
        const auto t = ini_.text(nur_, ort.schluessel);
        if (!t || !ganzeZahl(*t, v)) gut = false;
        else c.checked = v != 0;
    }
    // The numbered runs are read only by the game itself.
    void eigenes(EigenerEintrag&) override {}

private:
    template <class T>
    void lesen(Gespeichert<T>& g) {
        if (sektion(g.ort) != nur_) return;
        T v{};
        const auto t = ini_.text(nur_, g.ort.schluessel);
        if (!t || !ganzeZahl(*t, v) || !g.regel.erfuellt(v)) gut = false;
        else g.wert = v;
    }
    const IniDatei& ini_;
    std::string nur_;
};

// Shows every value, or (nurGespeichert) those the file keeps.
class Zeiger : public Beschreiber {
public:
    explicit Zeiger(bool nurGespeichert) : alle_(!nurGespeichert) {}
    Werte werte;
    void zahl(Gespeichert<int32_t> g) override { zeigen(g); }
    void zahl(Gespeichert<int64_t> g) override { zeigen(g); }
    void haken(const char* anzeige, CheckBox& c, Ort, std::function<void(bool)>) override {
        if (alle_) kasten(anzeige, c);
        else gespeichert([&] { wahr(std::string(anzeige) + ".checked", c.checked); });
    }
    void eigenes(EigenerEintrag& e) override {
        gespeichert([&] { e.zeigen(*this); });
    }
    void text(const std::string& name, const std::string& w) override {
        if (zeigen()) werte.emplace_back(name, w);
    }
    void wert(const std::string& name, int64_t w) override {
        if (zeigen()) werte.emplace_back(name, std::to_string(w));
    }
    // The shortest decimal text that reads back as the same float.
    void real(const std::string& name, float w) override {
        if (!zeigen()) return;
        char puffer[32];
        const auto ende = std::to_chars(puffer, puffer + sizeof puffer, w).ptr;
        werte.emplace_back(name, std::string(puffer, ende));
    }

private:
    bool zeigen() const { return alle_ || imGespeicherten_; }
    // The dump shows the value, the comparison what the file gets.
    template <class T>
    void zeigen(Gespeichert<T>& g) {
        gespeichert([&] { wert(g.anzeige, !alle_ && g.alsGespeichert ? g.alsGespeichert() : g.wert); });
    }
    template <class F>
    void gespeichert(F&& zeige) {
        imGespeicherten_ = true;
        zeige();
        imGespeicherten_ = false;
    }
    bool alle_;
    bool imGespeicherten_ = false;
};

template <class B>
B& gehen(Beschrieben& f, B& b) {
    b.fenster = f.name();
    f.beschreiben(b);
    return b;
}

}  // namespace

void beschreibungLaden(Beschrieben& f) {
    Lader l;
    gehen(f, l);
}

void beschreibungSpeichern(Beschrieben& f) {
    Speicherer s;
    gehen(f, s);
}

std::vector<Ort> gespeicherteSchluessel(Beschrieben& f) {
    Schluessel s;
    return gehen(f, s).orte;
}

bool strengLesen(Beschrieben& f, const IniDatei& ini, const std::string& sektion) {
    StrengerLeser l(ini, sektion);
    return gehen(f, l).gut;
}

// The dump only reads: every entry's value is shown, none is set.
Werte gezeigteWerte(const Beschrieben& f) {
    Zeiger z(false);
    return gehen(const_cast<Beschrieben&>(f), z).werte;
}

Werte gespeicherteWerte(const Beschrieben& f) {
    Zeiger z(true);
    return gehen(const_cast<Beschrieben&>(f), z).werte;
}

std::vector<std::string> unterschiede(const Werte& wa, const Werte& wb) {
    std::vector<std::string> u;
    for (std::size_t i = 0; i < std::max(wa.size(), wb.size()); ++i) {
        if (i < wa.size() && i < wb.size() && wa[i] == wb[i]) continue;
        const auto& w = i < wa.size() ? wa[i] : wb[i];
        u.push_back(w.first + ": " + (i < wa.size() ? wa[i].second : "-") + " / " +
                    (i < wb.size() ? wb[i].second : "-"));
    }
    return u;
}
