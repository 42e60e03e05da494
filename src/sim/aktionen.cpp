#include "sim/aktionen.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "rahmen/kindform.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/gutform.h"
#include "goods/siloform.h"
#include "livestock/tierform.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"
#include "sim/lauf.h"
#include "sim/zustand.h"
#include "ausblick.h"
#include "spiel.h"

namespace {

using A = Argument::Art;

template <class T>
bool ist(const TkindForm& f) {
    return dynamic_cast<const T*>(&f) != nullptr;
}
bool immer(const TkindForm&) { return true; }

const FensterArt spielFenster{"a game window", immer};
const FensterArt lager{"a store (FutterForm, DieselForm, GetreideForm, RuebenForm)", ist<TSiloForm>};
const FensterArt gueterFenster{"a goods window (a store or a herd)", ist<TgutForm>};
const FensterArt preisListe{"the price list", ist<TPreiseForm>};
const FensterArt kontrolle{"the control panel", ist<TKontrollForm>};
const FensterArt herde{"a herd window", ist<TtierForm>};
const FensterArt feldKarte{"the field map", ist<TFelderForm>};

Argument fenster() { return {A::Fenster, "NAME", 0, 0, {}}; }
Argument zahl(const char* name, int64_t min, int64_t max) { return {A::Zahl, name, min, max, {}}; }
Argument wahl(const char* name, std::vector<std::string> woerter) { return {A::Wahl, name, 0, 0, std::move(woerter)}; }
Argument jaNein() { return wahl("ja|nein", {"ja", "nein"}); }
Argument texte() { return {A::Texte, "TEXT...", 0, 0, {}}; }

constexpr int64_t int32Min = INT32_MIN;
constexpr int64_t int32Max = INT32_MAX;

template <class T>
T& als(Lauf& l, const std::string& name) {
    return dynamic_cast<T&>(l.fenster(name));
}

// A left click on a trade button of a store, the quantity dialog answered
// from the line's texts.
void handeln(Lauf& l, const Befehl& b, bool kaufen) {
    auto& s = als<TSiloForm>(l, b.fenster);
    l.aktivieren(s);
    // Without a text the dialog is cancelled at once.
    l.tippen(b.texte);
    s.KVButtonClick(kaufen ? s.KaufenButton : s.VKaufenButton);
}

// The player points at field n on the map and clicks. The point is the first
// one, from the middle of the field's corners outward, that the map finds on
// that field.
void feldKlicken(Lauf& l, int64_t n) {
    l.aktivieren(*FelderForm);
    const TFeld& f = *FelderForm->felder[static_cast<std::size_t>(n)];
    int64_t sx = 0;
    int64_t sy = 0;
    for (int32_t i = 0; i < f.eckenZahl; ++i) {
        sx += f.ecken[static_cast<std::size_t>(i)].x;
        sy += f.ecken[static_cast<std::size_t>(i)].y;
    }
    const auto mx = static_cast<int32_t>(sx / f.eckenZahl);
    const auto my = static_cast<int32_t>(sy / f.eckenZahl);
    for (int32_t r = 0; r < 600; ++r) {
        for (int32_t dy = -r; dy <= r; ++dy) {
            for (int32_t dx = -r; dx <= r; ++dx) {
                if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
                paintFelder->mousemove(mx + dx, my + dy);
                if (paintFelder->aktFeld == &f) {
                    paintFelder->Click();
                    return;
                }
            }
        }
    }
    throw std::logic_error("Feld " + std::to_string(n) + " ist auf der Karte nicht zu treffen");
}

// The work dialog, answered by what the player does inside it.
void imDialog(Lauf& l, std::function<ModalErgebnis(TFeldAktionForm&)> f) {
    l.plattform().dialogAntworten.push_back([f = std::move(f)](TDialog& d) {
        if (auto* a = dynamic_cast<TFeldAktionForm*>(&d)) return f(*a);
        d.FormCloseQuery(false);
        return ModalErgebnis::Abbruch;
    });
}

std::vector<Aktion> tabelle() {
    std::vector<Aktion> t;
    auto neu = [&t](std::string wort, std::vector<Argument> args, std::function<void(Lauf&, const Befehl&)> f,
                    const FensterArt* art = nullptr) -> Aktion& {
        Aktion a;
        a.wort = std::move(wort);
        a.argumente = std::move(args);
        a.ausfuehren = std::move(f);
        a.art = art;
        t.push_back(std::move(a));
        return t.back();
    };

    // The frame and the control panel.
    {
        Aktion& a = neu("weiter", {}, [](Lauf& l, const Befehl&) {
            l.aktivieren(*KontrollForm);
            KontrollForm->Button1Click();
        });
        a.festesFenster = "KontrollForm";
        a.festeArt = &kontrolle;
    }
    neu("neues-spiel", {jaNein()}, [](Lauf& l, const Befehl& b) {
        l.plattform().antworten.push_back(b.wahl(0) == 0 ? Antwort::OK : Antwort::Abbrechen);
        MainForm->NeuesSpiel1Click();
    });
    neu("anordnen", {}, [](Lauf&, const Befehl&) { MainForm->FensterAnordnen1Click(); });
    neu("musik", {}, [](Lauf&, const Befehl&) { MainForm->MusikAnAusClick(); });
    neu("aktiviere", {fenster()}, [](Lauf& l, const Befehl& b) { l.aktivieren(l.fenster(b.fenster)); },
        &spielFenster);
    neu("fenster",
        {fenster(), zahl("X", int32Min, int32Max), zahl("Y", int32Min, int32Max), zahl("W", 0, int32Max),
         zahl("H", 0, int32Max), zahl("Z", 0, 2)},
        [](Lauf& l, const Befehl& b) {
            TkindForm& f = l.fenster(b.fenster);
            l.aktivieren(f);
            f.gezogen(b.zahl(0), b.zahl(1), b.zahl(2), b.zahl(3), static_cast<FensterZustand>(b.zahl(4)));
        },
        &spielFenster);
    neu("neustart", {}, [](Lauf& l, const Befehl&) { l.neustart(); });
    // The game's menu: "Spiel speichern unter …" and "Spiel öffnen …", the
    // file dialog answered with NAME, a game's file in the run's directory.
    for (const char* wort : {"speichern-unter", "oeffnen"}) {
        Aktion& a = neu(wort, {{A::Texte, "NAME", 0, 0, {}}}, [wort](Lauf& l, const Befehl& b) {
            // abbruch: the dialog is cancelled, and nothing happens.
            if (b.abbruch) return;
            if (std::string(wort) == "oeffnen") l.oeffnen(b.texte.front());
            else l.speichernUnter(b.texte.front());
        });
        a.pruefen = [wort](const Befehl& b) -> std::string {
            const std::string fehler = std::string(wort) + ": one game's file, NAME.hof or TrevoSpielstand.bin";
            if (b.abbruch && b.texte.empty()) return {};
            if (b.abbruch || b.texte.size() != 1) return fehler;
            const std::string& n = b.texte.front();
            const std::string endung = spielEndung;
            const bool eigen = n.size() > endung.size() && n.compare(n.size() - endung.size(), endung.size(), endung) == 0;
            if (n.find('/') != std::string::npos || n[0] == '.' || (!eigen && n != spielstandName)) return fehler;
            return {};
        };
    }
    // The game's menu: the last step taken back, or done again. The
    // transcript names the step, or "-" where there was none.
    for (const bool zurueck : {true, false}) {
        neu(zurueck ? "zurueck" : "wiederholen", {}, [zurueck](Lauf& l, const Befehl&) {
            Spiel& spiel = l.spiel();
            const Schritt* s = zurueck ? spiel.verlauf().zurueck() : spiel.verlauf().wiederholen();
            const std::string name = s ? s->name : "-";
            const bool getan = zurueck ? spiel.zurueck() : spiel.wiederholen();
            l.protokollieren(std::string(zurueck ? "zurueck\t" : "wiederholen\t") + (getan ? name : "-"));
        });
    }
    // The answer to the offer of a recovery point at the start; the game has
    // taken it before the first line runs.
    neu("wiederherstellen", {jaNein()}, [](Lauf&, const Befehl&) {});
    // Answers kept for the next end (the last line's, or a restart's), should
    // the save file not be written then.
    neu("beim-ende", {wahl("wiederholen|ohne-speichern", {"wiederholen", "ohne-speichern"})}, [](Lauf& l, const Befehl& b) {
        l.amEnde(b.wahl(0) == 0 ? Antwort::Wiederholen : Antwort::OhneSpeichern);
    });
    {
        Aktion& a = neu("anderswo-speichern", {{A::Texte, "DATEI", 0, 0, {}}}, [](Lauf& l, const Befehl& b) {
            l.amEnde(Antwort::Anderswo, b.abbruch ? std::string() : b.texte.front());
        });
        a.pruefen = [](const Befehl& b) -> std::string {
            if (b.texte.size() + (b.abbruch ? 1 : 0) != 1) return "anderswo-speichern: one file, or abbruch";
            return {};
        };
    }
    {
        // Not a player action: it prints what the player would see, and
        // changes nothing, not even the focus.
        // It knows the frame and the quantity dialog as well: see fensterPruefen.
        neu("zeige", {fenster()}, [](Lauf& l, const Befehl& b) {
            for (std::string& z : zustand(l.spiel(), b.fenster)) l.protokollieren(std::move(z));
        });
    }

    // Not a player action either: the outlook of the month "weiter" would
    // end now, one line per entry.
    neu("ausblick", {}, [](Lauf& l, const Befehl&) {
        for (const AusblickZeile& z : monatsausblick().zeilen) {
            static const char* const arten[] = {"geld", "futter", "felder", "herden"};
            std::string art = arten[static_cast<int>(z.art)];
            if (z.warnung) art += ",warnung";
            if (z.aufgabe) art += ",aufgabe";
            l.protokollieren("ausblick\t" + art + "\t" + ScriptedPlatform::maskieren(z.text));
        }
    });

    // The price list.
    {
        Aktion& a = neu("preis", {zahl("ROW", 0, 1000000)}, [](Lauf& l, const Befehl& b) {
            l.aktivieren(*PreiseForm);
            // The middle of the row's first cell; each row is followed by a
            // one-pixel grid line.
            const int32_t hoehe = TPreiseForm::zeilenHoehe + TPreiseForm::gitterLinie;
            PreiseForm->StringGrid1MouseUp(5, b.zahl(0) * hoehe + TPreiseForm::zeilenHoehe / 2);
        });
        a.festesFenster = "PreiseForm";
        a.festeArt = &preisListe;
    }

    // The goods windows and the stores.
    neu("kaufen", {fenster(), texte()}, [](Lauf& l, const Befehl& b) { handeln(l, b, true); }, &lager);
    neu("verkaufen", {fenster(), texte()}, [](Lauf& l, const Befehl& b) { handeln(l, b, false); }, &lager);
    neu("rechtsklick", {fenster(), wahl("kaufen|verkaufen", {"kaufen", "verkaufen"})},
        [](Lauf& l, const Befehl& b) {
            auto& s = als<TSiloForm>(l, b.fenster);
            l.aktivieren(s);
            s.KVButtonMouseDown(b.wahl(0) == 0 ? s.KaufenButton : s.VKaufenButton, true);
        },
        &lager);
    neu("maximum", {fenster(), jaNein()},
        [](Lauf& l, const Befehl& b) {
            auto& g = als<TgutForm>(l, b.fenster);
            l.aktivieren(g);
            l.plattform().antworten.push_back(b.wahl(0) == 0 ? Antwort::Ja : Antwort::Nein);
            g.MaxMengeLbClick();
        },
        &gueterFenster);
    neu("groesse", {fenster()},
        [](Lauf& l, const Befehl& b) {
            auto& g = als<TgutForm>(l, b.fenster);
            l.aktivieren(g);
            g.SizeButtonClick();
        },
        &gueterFenster);

    // The herds.
    // N buys that many of class K in one dialog, as N lines of one would.
    neu("tierkauf", {fenster(), zahl("K", 0, 3), {A::OptZahl, "N", 1, TTierKaufForm::hoechstAnzahl, {}}},
        [](Lauf& l, const Befehl& b) {
            auto& h = als<TtierForm>(l, b.fenster);
            l.aktivieren(h);
            // K = 0 is Escape: no answer, and the dialog is cancelled.
            const int32_t n = b.zahlen.size() == 2 ? b.zahl(1) : 1;
            if (const int32_t k = static_cast<int32_t>(b.zahl(0)); k != 0)
                l.plattform().dialogAntworten.push_back([k, n](TDialog& d) {
                    auto& kauf = dynamic_cast<TTierKaufForm&>(d);
                    kauf.anzahl = n;
                    kauf.ButtonClick(k);
                    return kauf.modalResult.value_or(ModalErgebnis::Abbruch);
                });
            h.KVButtonClick(h.KaufenButton);
        },
        &herde);
    neu("tierverkauf", {fenster()},
        [](Lauf& l, const Befehl& b) {
            auto& h = als<TtierForm>(l, b.fenster);
            l.aktivieren(h);
            h.KVButtonClick(h.VKaufenButton);
        },
        &herde);
    neu("haken", {fenster(), wahl("Mehren|Geben", {"Mehren", "Geben"}), wahl("an|aus", {"an", "aus"})},
        [](Lauf& l, const Befehl& b) {
            auto& h = als<TtierForm>(l, b.fenster);
            l.aktivieren(h);
            const bool an = b.wahl(1) == 0;
            if (b.wahl(0) == 0) h.MehrenCBClick(an);
            else h.GebenCBClick(an);
        },
        &herde);
    // The player picks animal N in the herd's list.
    neu("tier", {fenster(), zahl("N", 1, TtierForm::maxTiere)},
        [](Lauf& l, const Befehl& b) {
            auto& h = als<TtierForm>(l, b.fenster);
            l.aktivieren(h);
            h.TierGewaehlt(b.zahl(0));
        },
        &herde);
    neu("pfeil", {fenster(), wahl("hoch|runter", {"hoch", "runter"})},
        [](Lauf& l, const Befehl& b) {
            auto& h = als<TtierForm>(l, b.fenster);
            l.aktivieren(h);
            h.UpDown1Click(b.wahl(0) == 0);
        },
        &herde);

    // The fields: the field map joins here.
    auto feldAktion = [&neu](std::string wort, std::vector<Argument> args) -> Aktion& {
        Aktion& a = neu(std::move(wort), std::move(args), nullptr);
        a.festesFenster = "FelderForm";
        a.festeArt = &feldKarte;
        return a;
    };
    feldAktion("feld", {zahl("N", 1, 5), jaNein()}).ausfuehren = [](Lauf& l, const Befehl& b) {
        // The answer is for the lease offer; on a leased field nobody asks,
        // and the work dialog is cancelled.
        l.plattform().antworten.push_back(b.wahl(0) == 0 ? Antwort::OK : Antwort::Abbrechen);
        feldKlicken(l, b.zahl(0));
    };
    Aktion& arbeit = feldAktion("arbeit", {zahl("N", 1, 5), zahl("W", 0, 4), {A::OptZahl, "S", 0, 3, {}}});
    arbeit.pruefen = [](const Befehl& b) -> std::string {
        if (b.zahlen.size() == 3 && b.zahl(1) != 3) return "arbeit: a seed S is chosen only for work 3 (Drillen)";
        return {};
    };
    arbeit.ausfuehren = [](Lauf& l, const Befehl& b) {
        const auto w = static_cast<int32_t>(b.zahl(1));
        const int32_t s = b.zahlen.size() == 3 ? static_cast<int32_t>(b.zahl(2)) : -1;
        imDialog(l, [w, s](TFeldAktionForm& d) {
            d.ArbeitRG.itemIndex = w;
            d.ArbeitRGClick();
            if (s >= 0) d.SaatgutRG.itemIndex = s;
            d.BearbeitBtClick();
            return d.modalResult.value_or(ModalErgebnis::OK);
        });
        feldKlicken(l, b.zahl(0));
    };
    feldAktion("kuendigen", {zahl("N", 1, 5), jaNein()}).ausfuehren = [](Lauf& l, const Befehl& b) {
        const bool ja = b.wahl(0) == 0;
        imDialog(l, [&l, ja](TFeldAktionForm& d) {
            // Queued only now, so that a lease offer never takes it.
            l.plattform().antworten.push_back(ja ? Antwort::OK : Antwort::Abbrechen);
            d.PachtBtClick();
            if (d.modalResult) return *d.modalResult;
            d.FormCloseQuery(false);
            return ModalErgebnis::Abbruch;
        });
        feldKlicken(l, b.zahl(0));
    };
    return t;
}

}  // namespace

std::string Aktion::gebrauch() const {
    std::string s = wort;
    for (const Argument& a : argumente) {
        s += ' ';
        switch (a.art) {
            case A::OptZahl: s += std::string("[") + a.name + "]"; break;
            case A::Texte: s += std::string(a.name) + "|abbruch"; break;
            default: s += a.name;
        }
    }
    return s;
}

const std::vector<Aktion>& alleAktionen() {
    static const std::vector<Aktion> t = tabelle();
    return t;
}

const Aktion* aktionFinden(const std::string& wort) {
    for (const Aktion& a : alleAktionen())
        if (a.wort == wort) return &a;
    return nullptr;
}

std::string fensterPruefen(const Befehl& b, Lauf& lauf) {
    const Aktion& a = *b.aktion;
    if (a.festesFenster) {
        const TkindForm* f = lauf.spiel().fenster(a.festesFenster);
        if (!f || !a.festeArt->passt(*f))
            return a.wort + ": the window " + a.festesFenster + " (" + a.festeArt->beschreibung +
                   ") does not exist yet";
    }
    for (const Argument& arg : a.argumente) {
        if (arg.art != A::Fenster) continue;
        if (a.wort == "zeige") {
            if (!zeigbaresFenster(lauf.spiel(), b.fenster))
                return "zeige: there is no window \"" + zeigbar(b.fenster) + "\"";
            return {};
        }
        const TkindForm* f = lauf.spiel().fenster(b.fenster);
        if (!f) return a.wort + ": there is no window \"" + zeigbar(b.fenster) + "\"";
        if (!a.art->passt(*f)) return a.wort + ": " + b.fenster + " is not " + a.art->beschreibung;
    }
    return {};
}

Skript skriptLesen(std::string_view text) { return skriptLesen(text, alleAktionen()); }
