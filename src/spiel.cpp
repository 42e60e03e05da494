#include "spiel.h"

#include <cstdlib>
#include <filesystem>

#include "rahmen/anzahlform.h"
#include "hofbuch/hofbuch.h"
#include "rahmen/kindform.h"
#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"
#include "spielstand/wiederherstellung.h"
#include "geld/zufall.h"
#include "goods/gutform.h"
#include "spielstand/datei.h"
#include "ausblick.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "hofbuchspalten.h"
#include "livestock/arten.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"

namespace {
Spiel* laufendesSpiel = nullptr;
}

Spiel* Spiel::laufendes() { return laufendesSpiel; }

template <class T>
void Spiel::erzeugeFenster(T*& global, bool imMonat) {
    fensterAufnehmen(global, std::make_unique<T>(), imMonat);
}

template <class T, class Art>
void Spiel::erzeugeFenster(T*& global, const Art& art) {
    fensterAufnehmen(global, std::make_unique<T>(art), true);
}

template <class T>
void Spiel::fensterAufnehmen(T*& global, std::unique_ptr<T> fenster, bool imMonat) {
    global = fenster.get();
    if (imMonat) MainForm->kindHinzufuegen(fenster.get());
    else MainForm->beiwerkHinzufuegen(fenster.get());
    fenster_.push_back(fenster.get());
    T* roh = fenster.get();
    objekte_.push_back({std::move(fenster), nullptr, [&global] { global = nullptr; }});
    roh->erstellen();
}

template <class T>
void Spiel::erzeugeDialog(T*& global) {
    auto dialog = std::make_unique<T>();
    global = dialog.get();
    objekte_.push_back({nullptr, std::move(dialog), [&global] { global = nullptr; }});
}

Spiel::Spiel(Plattform& p, const std::string& programmVerzeichnis, bool anbieten)
    : Spiel(p, programmVerzeichnis, programmVerzeichnis, anbieten) {}

Spiel::Spiel(Plattform& p, const std::string& programmVerzeichnis, const std::string& spielstandVerzeichnis,
             bool anbieten)
    : Spiel(p, programmVerzeichnis, spielstandVerzeichnis, anbieten ? Start::anbieten : Start::ohneAngebot) {}

Spiel::Spiel(Plattform& p, const std::string& programmVerzeichnis, const std::string& spielstandVerzeichnis,
             Start start, const std::string& dateiName) {
    setzePlattform(&p);
    laufendesSpiel = this;
    randSeed = 0;
    futterMangel = false;
    frame_ = std::make_unique<TmainForm>();
    MainForm = frame_.get();
    frame_->FormCreate(programmVerzeichnis, spielstandVerzeichnis, dateiName);
    spielstand().laden(spielstandDatei);
    wiederherstellung_ = wiederherstellungsPfad(spielstandDatei);
    punktSchreiber_ = std::make_unique<PunktSchreiber>(wiederherstellung_, false);
    const bool nurAnsehen = start == Start::nurAnsehen;
    // What writes killed half-way left beside the files is of no use.
    if (!nurAnsehen) {
        liegengebliebeneEntfernen(spielstandDatei, true);
        liegengebliebeneEntfernen(wiederherstellung_, false);
    }
    if (start == Start::anbieten) wiederherstellungAnbieten();
    if (wiederhergestellt_) {
        // The point stays until the orderly end; a month taken back to the
        // start puts it back as it was.
        std::string bytes;
        std::string fehler;
        if (dateiLesen(wiederherstellung_, bytes, fehler)) punktBeimStart_ = std::move(bytes);
    }
    lesefehlerMelden();

    // The start order. The price list comes first: its new game hands out the
    // good numbers that every goods and herd window copies.
    erzeugeFenster(PreiseForm);
    erzeugeFenster(KontrollForm);
    erzeugeFenster(KontoForm);
    erzeugeDialog(AnzahlForm);
    erzeugeFenster(FelderForm);
    erzeugeDialog(FeldAktionForm);
    erzeugeFenster(SchweineForm, artSchweine);
    erzeugeFenster(HuenerForm, artHuehner);
    erzeugeFenster(SchafForm, artSchafe);
    erzeugeFenster(KueheForm, artKuehe);
    erzeugeFenster(FutterForm, lagerFutter);
    erzeugeFenster(DieselForm, lagerDiesel);
    erzeugeFenster(GetreideForm, lagerGetreide);
    erzeugeFenster(RuebenForm, lagerRueben);
    erzeugeFenster(AusblickForm, false);
    erzeugeDialog(TierKaufForm);
    KontrollForm->monatGeschlossen = [this] { wiederherstellungspunktSetzen(); };
    // The book follows the game as it starts, from whichever file that is.
    hofbuch_ = std::make_unique<Hofbuch>(hofbuchPfad(spielstandDatei), hofbuchSpalten());
    // Nothing of a game only looked at is written, not even at its end.
    nurAnsehen_ = nurAnsehen;
    if (nurAnsehen) return;
    hofbuch_->angleichen(!spielstand().ini().lesen(kontrollSektion, "monat"), spielstand().mitgebrachteZeilen());
    if (wiederhergestellt_) hofbuchNachgetragenMelden();
    KontrollForm->beobachter = hofbuch_.get();
}

Spiel::~Spiel() {
    // A month handed over is written still, as if the game had gone down
    // right after it.
    punktSchreiber_.reset();
    if (!beendet_) abbauen(false);
    if (laufendesSpiel == this) laufendesSpiel = nullptr;
}

void Spiel::hofbuchNachgetragenMelden() {
    // Rows the book lacked after the crash: not yet written, or written and
    // lost with the page cache in a power cut.
    const int32_t n = hofbuch_->nachgetrageneZeilen();
    if (n <= 0) return;
    plattform().meldung(MeldungsArt::Information,
                        (n == 1 ? std::string("Dem Hofbuch fehlte die Zeile eines Monats, die beim Abbruch noch nicht "
                                              "sicher auf der Platte stand. Sie wurde")
                                : "Dem Hofbuch fehlten die Zeilen von " + std::to_string(n) +
                                      " Monaten, die beim Abbruch noch nicht sicher auf der Platte standen. Sie "
                                      "wurden") +
                            " aus dem Wiederherstellungspunkt nachgetragen:\r" + hofbuch_->pfad(),
                        Knoepfe::OK);
}

void Spiel::lesefehlerMelden() {
    const Spielstand& s = spielstand();
    if (s.lesefehler().empty()) return;
    plattform().meldung(MeldungsArt::Fehler,
                        "Der Spielstand konnte nicht gelesen werden:\r" + s.pfad() + "\r\r" + s.lesefehler() +
                            (wiederhergestellt_ ? "\r\rDas Spiel geht beim Wiederherstellungspunkt weiter."
                                                : "\r\rDas Spiel beginnt neu.") +
                            " Die Datei bleibt, wie sie ist; beim Beenden wird das Spiel in einer neuen Datei "
                            "daneben gesichert.",
                        Knoepfe::OK);
}

bool Spiel::beenden() {
    if (beendet_) return true;
    if (nurAnsehen_) {
        abbauen(false);
        return false;
    }
    // No point may land after the end has removed it.
    wiederherstellungAbwarten();
    hofbuch_->sichern();
    abbauen(true);
    // Rows the book could not take go with the game.
    spielstand().zeilenMitgeben(hofbuch_->ungeschrieben());
    return spielstandAblegen();
}

void Spiel::punktEntfernen() {
    if (!punktGesperrt_) wiederherstellungEntfernen(wiederherstellung_);
}

bool Spiel::spielstandAblegen() {
    const Spielstand& s = spielstand();
    for (;;) {
        std::string fehler;
        std::string text = "Der Spielstand konnte nicht gespeichert werden:\r" + s.pfad() + "\r\r";
        if (!s.lesefehler().empty()) {
            // The farm in the file that could not be read is never written over.
            text += "Die Datei konnte beim Start nicht gelesen werden und bleibt, wie sie war.\r";
            const std::string ort = s.retten(fehler);
            if (!ort.empty()) {
                text += "Das Spiel wurde stattdessen hier gesichert:\r" + ort;
                punktEntfernen();
                plattform().meldung(MeldungsArt::Fehler, text, Knoepfe::OK);
                return false;
            }
            text += "Das Spiel konnte auch daneben nicht gesichert werden: " + fehler;
        } else if (s.sichern(fehler)) {
            // Only now: until the game is on the disk the recovery point is all
            // there is of this run.
            punktEntfernen();
            return true;
        } else {
            text += fehler;
        }
        text += "\r\r„Wiederholen“ versucht es noch einmal, etwa nachdem Sie Platz geschaffen haben. "
                "„Anderswo speichern …“ legt das Spiel in einer Datei Ihrer Wahl ab.";
        switch (plattform().meldung(MeldungsArt::Fehler, text, Knoepfe::Speicherfehler)) {
            case Antwort::Wiederholen:
                // The book too, where it could not be written: the room the
                // player made is for both.
                hofbuch_->sichernWiederholen();
                spielstand().zeilenMitgeben(hofbuch_->ungeschrieben());
                break;
            case Antwort::Anderswo:
                if (anderswoSpeichern()) return false;
                break;
            case Antwort::OhneSpeichern:
                if (plattform().meldung(MeldungsArt::Bestaetigen,
                                        "Wirklich ohne Speichern beenden?\r\rWas seit dem letzten Speichern gespielt "
                                        "wurde, fehlt dann im Spielstand. Der Wiederherstellungspunkt vom Ende des "
                                        "letzten Monats bleibt liegen, falls er geschrieben werden konnte, und wird "
                                        "beim nächsten Start angeboten.",
                                        Knoepfe::JaNein, {}, Vorgabe::zweiter) == Antwort::Ja)
                    return false;
                break;
            default:
                ausweichen();
                return false;
        }
    }
}

std::string Spiel::hofbuchBleibt() const {
    std::string text = "\r\rDas Hofbuch bleibt, wo es ist:\r" + hofbuch_->pfad();
    if (!hofbuch_->ungeschrieben().empty())
        text += "\rWas ihm noch fehlt, steht in der gesicherten Datei und wird nachgetragen, sobald sie wieder "
                "am Platz des Spielstands liegt.";
    return text;
}

bool Spiel::anderswoSpeichern() {
    const Spielstand& s = spielstand();
    const char* heim = std::getenv("HOME");
    const std::string vorschlag =
        (heim && heim[0] == '/' ? std::string(heim) + "/" : std::string()) + nameVon(s.pfad());
    for (;;) {
        const std::string ziel = plattform().speicherOrtWaehlen(vorschlag);
        if (ziel.empty()) return false;
        std::string fehler;
        if (s.sichernNach(ziel, fehler)) {
            plattform().meldung(MeldungsArt::Information,
                                "Das Spiel wurde hier gespeichert:\r" + ziel +
                                    "\r\rBeim nächsten Start findet Trevo es nur, wenn Sie die Datei an den "
                                    "Platz des Spielstands zurücklegen:\r" + s.pfad() + hofbuchBleibt(),
                                Knoepfe::OK);
            return true;
        }
        plattform().meldung(MeldungsArt::Fehler,
                            "Das Spiel konnte auch dort nicht gespeichert werden:\r" + ziel + "\r\r" + fehler,
                            Knoepfe::OK);
    }
}

void Spiel::ausweichen() {
    if (ausweichOrte_.empty()) return;
    const Spielstand& s = spielstand();
    std::string text = "Der Spielstand konnte nicht gespeichert werden:\r" + s.pfad() + "\r\r";
    for (const std::string& verzeichnis : ausweichOrte_) {
        std::string fehler;
        const std::string ort = s.rettenIn(verzeichnis, fehler);
        if (ort.empty()) continue;
        plattform().meldung(MeldungsArt::Fehler,
                            text + "Das Spiel wurde stattdessen hier gesichert:\r" + ort +
                                "\r\rBeim nächsten Start findet Trevo es nur, wenn Sie die Datei an den Platz des "
                                "Spielstands zurücklegen." + hofbuchBleibt(),
                            Knoepfe::OK);
        return;
    }
    plattform().meldung(MeldungsArt::Fehler, text + "Das Spiel konnte auch anderswo nicht gesichert werden.",
                        Knoepfe::OK);
}

void Spiel::wiederherstellungAnbieten() {
    Wiederherstellungspunkt p = wiederherstellungLesen(wiederherstellung_);
    if (p.art == Wiederherstellungspunkt::Art::keiner) return;
    // Never thrown away where it may hold months: put aside, or where that
    // fails left in place and not written over in this run.
    const auto beiseitelegen = [this](const std::string& zusatz) {
        const std::string beiseite = wiederherstellungBeiseite(wiederherstellung_, zusatz);
        if (!beiseite.empty()) return "Er wurde unverändert beiseitegelegt:\r" + beiseite;
        punktGesperrt_ = true;
        return std::string("Er bleibt unverändert liegen. Bis zum nächsten Start schreibt das Spiel keinen neuen "
                           "Wiederherstellungspunkt.");
    };
    if (p.art == Wiederherstellungspunkt::Art::unlesbar) {
        // It may hold months the save file lacks.
        const std::string text = std::string("Der Wiederherstellungspunkt ") + nameVon(wiederherstellung_) +
                                 " konnte nicht gelesen werden:\r\r" + p.grund + "\r\r" + beiseitelegen("unlesbar");
        plattform().meldung(MeldungsArt::Warnung, text + "\r\rDas Spiel geht mit dem zuletzt gespeicherten Spielstand weiter.",
                            Knoepfe::OK);
        return;
    }
    if (p.art == Wiederherstellungspunkt::Art::beschaedigt) {
        plattform().meldung(MeldungsArt::Warnung,
                            std::string("Der Wiederherstellungspunkt ") + nameVon(wiederherstellung_) +
                                " ist unbrauchbar und wird verworfen:\r\r" + p.grund,
                            Knoepfe::OK);
        wiederherstellungEntfernen(wiederherstellung_);
        return;
    }
    // The point holds the date the game goes on at; the month before it is
    // the last one the player completed.
    const auto datum = [](int32_t m, int64_t j) {
        return std::string(monatsNamen[static_cast<std::size_t>(m)]) + " " + std::to_string(j);
    };
    const std::string fertig = p.monat == 1 ? datum(12, int64_t{p.jahr} - 1) : datum(p.monat - 1, p.jahr);
    if (!wiederherstellungNeuer(p, wiederherstellung_, spielstandDatei, spielstand().grundlage())) {
        // Its run began from another save file than the one there now: an
        // orderly end (or the player) has replaced that since.
        plattform().meldung(MeldungsArt::Information,
                            std::string("Der Wiederherstellungspunkt ") + nameVon(wiederherstellung_) +
                                " (der Hof bis zum Ende des Monats " + fertig +
                                ") ist nicht neuer als der Spielstand: Der Spielstand wurde nach ihm gespeichert "
                                "oder ersetzt.\r\r" + beiseitelegen("aelter") +
                                "\r\rDas Spiel geht mit dem gespeicherten Spielstand weiter.",
                            Knoepfe::OK);
        return;
    }
    const std::string text = "Trevo wurde zuletzt nicht ordnungsgemäß beendet. Der Hof ist bis zum Ende des "
                             "Monats " + fertig + " erhalten.\r\rSoll das Spiel im " + datum(p.monat, p.jahr) +
                             " weitergehen?\r\r„Nein“ spielt mit dem zuletzt gespeicherten Spielstand weiter und "
                             "verwirft den erhaltenen.";
    if (plattform().meldung(MeldungsArt::Bestaetigen, text, Knoepfe::JaNein) == Antwort::Ja) {
        // The file stays until the orderly end: a second crash before the
        // next month still finds it.
        spielstand().uebernehmen(std::move(p.ini), std::move(p.nachtrag.zeilen));
        wiederhergestellt_ = true;
    } else {
        wiederherstellungEntfernen(wiederherstellung_);
    }
}

std::string Spiel::stand() {
    // The windows save in the order of the orderly end, the last created
    // first.
    return spielstand().schnappschuss([this] {
        for (auto it = objekte_.rbegin(); it != objekte_.rend(); ++it)
            if (it->kind) it->kind->speichern();
    });
}

bool Spiel::wiederherstellungspunktSetzen() {
    if (punktGesperrt_ || nurAnsehen_) return false;
    // The point carries the save file its run began from and the logbook's
    // rows not yet in the book: a month is one step on the disk.
    letzterPunkt_ =
        mitNachtrag(stand(), {spielstand().grundlage(), hofbuch_ ? hofbuch_->punktZeilen() : std::vector<std::string>{}});
    punktSchreiber_->auftragen(*letzterPunkt_);
    if (!punktSchreiber_->imHintergrund()) schreibfehlerMelden();
    return punktSchreiber_->letzterFehler().empty();
}

void Spiel::schreibfehlerMelden() {
    if (beendet_) return;
    // The logbook's rows follow the point onto the disk.
    hofbuch_->nachholen();
    const std::string fehler = punktSchreiber_->letzterFehler();
    if (fehler == gemeldeterFehler_) return;
    const bool klar = fehler.empty();
    gemeldeterFehler_ = fehler;
    if (klar) {
        plattform().meldung(MeldungsArt::Information,
                            "Der Wiederherstellungspunkt wird wieder geschrieben:\r" + wiederherstellung_ +
                                "\r\rDer Hof ist bis zum Ende des letzten Monats gesichert.",
                            Knoepfe::OK);
    } else {
        plattform().meldung(MeldungsArt::Warnung,
                            "Der Wiederherstellungspunkt konnte nicht geschrieben werden:\r" + wiederherstellung_ +
                                "\r\r" + fehler +
                                "\r\rDas Spiel geht weiter. Bricht es ab, bevor es beim Beenden gespeichert ist, "
                                "gehen die Monate seit dem letzten gelungenen Wiederherstellungspunkt verloren.",
                            Knoepfe::OK);
    }
}

void Spiel::wiederherstellungImHintergrund(std::function<void()> geschrieben) {
    // The writer it replaces finishes what it was handed before it goes.
    punktSchreiber_ = std::make_unique<PunktSchreiber>(wiederherstellung_, true);
    punktSchreiber_->geschrieben = std::move(geschrieben);
    hofbuch_->aufschieben();
}

void Spiel::wiederherstellungAbwarten() { punktSchreiber_->abwarten(); }

void Spiel::abbauen(bool sichern) {
    beendet_ = true;
    if (KontrollForm) KontrollForm->beobachter = nullptr;
    for (auto it = objekte_.rbegin(); it != objekte_.rend(); ++it) {
        if (it->kind) {
            if (sichern) it->kind->speichern();
            MainForm->kindEntfernen(it->kind.get());
        }
        it->abmelden();
        it->kind.reset();
        it->dialog.reset();
    }
    objekte_.clear();
    fenster_.clear();
    MainForm = nullptr;
    frame_.reset();
}

TkindForm* Spiel::fenster(const std::string& name) const {
    for (TkindForm* f : fenster_)
        if (f->name() == name) return f;
    return nullptr;
}

Spielbild Spiel::bild() {
    Spielbild b;
    b.stand = stand();
    b.zufall = randSeed;
    b.temperatur = KontrollForm->temperatur;
    b.futterMangel = futterMangel;
    for (const TkindForm* k : MainForm->kinder()) b.reihenfolge.push_back(k->name());
    for (const TkindForm* f : fenster_) b.nebenbei.push_back(f->nebenbei());
    if (hofbuch_) b.buch = hofbuch_->stand();
    return b;
}

void Spiel::bildSetzen(const Spielbild& b) {
    // The places stay where the player has put them since.
    struct Lage {
        int32_t left, top, breite, hoehe;
        FensterZustand zustand;
        bool erweitert;
    };
    std::vector<Lage> lagen;
    for (const TkindForm* f : fenster_) {
        const auto* g = dynamic_cast<const TgutForm*>(f);
        lagen.push_back({f->left, f->top, f->clientWidth, f->clientHeight, f->windowState, g && g->erweitert});
    }
    // Read as the start reads, with nobody told of a new game or a booking.
    KontoBeobachter* beobachter = KontrollForm->beobachter;
    KontrollForm->beobachter = nullptr;
    spielstand().ausSchnappschuss(b.stand, [this] {
        for (TkindForm* f : fenster_) f->laden();
    });
    KontrollForm->beobachter = beobachter;
    randSeed = b.zufall;
    futterMangel = b.futterMangel;
    KontrollForm->setzeTemperatur(b.temperatur);
    for (std::size_t i = 0; i < fenster_.size() && i < b.nebenbei.size(); ++i) fenster_[i]->nebenbeiSetzen(b.nebenbei[i]);
    std::vector<TkindForm*> reihenfolge;
    for (const std::string& n : b.reihenfolge)
        if (TkindForm* f = fenster(n)) reihenfolge.push_back(f);
    MainForm->reihenfolgeSetzen(reihenfolge);
    for (std::size_t i = 0; i < fenster_.size(); ++i) {
        TkindForm& f = *fenster_[i];
        if (auto* g = dynamic_cast<TgutForm*>(&f)) g->setzeErweitert(lagen[i].erweitert);
        f.left = lagen[i].left;
        f.top = lagen[i].top;
        f.clientWidth = lagen[i].breite;
        f.clientHeight = lagen[i].hoehe;
        f.windowState = lagen[i].zustand;
    }
    if (hofbuch_ && !nurAnsehen_) hofbuch_->zuStand(b.buch);
    for (TkindForm* f : fenster_) f->neuZeichnen();
}

void Spiel::schritt(const std::function<void()>& aktion) {
    if (schrittTiefe_ > 0 || beendet_ || !frame_) {
        aktion();
        return;
    }
    struct Tiefe {
        int32_t& t;
        explicit Tiefe(int32_t& x) : t(x) { ++t; }
        ~Tiefe() { --t; }
    } tiefe(schrittTiefe_);
    auto vorher = std::make_shared<const Spielbild>(bild());
    const int32_t neueSpiele = MainForm->neueSpiele;
    const int64_t monat = int64_t{KontrollForm->jahr} * 12 + KontrollForm->monat;
    const std::optional<std::string> punkt = letzterPunkt_;
    const auto abschliessen = [&] {
        if (beendet_ || !frame_) return;
        if (MainForm->neueSpiele != neueSpiele) {
            verlauf_.leeren();
            return;
        }
        auto nachher = std::make_shared<const Spielbild>(bild());
        if (nachher->gleichesSpiel(*vorher)) return;
        Schritt s;
        s.name = schrittName(*vorher, *nachher);
        s.monat = int64_t{KontrollForm->jahr} * 12 + KontrollForm->monat != monat;
        if (s.monat) s.punktVorher = punkt;
        s.vorher = std::move(vorher);
        s.nachher = std::move(nachher);
        verlauf_.aufnehmen(std::move(s));
    };
    try {
        aktion();
    } catch (...) {
        abschliessen();
        throw;
    }
    abschliessen();
}

bool Spiel::punktZuruecksetzen(const std::optional<std::string>& punkt) {
    if (nurAnsehen_ || punktGesperrt_) return true;
    // No point handed over may land after this one.
    wiederherstellungAbwarten();
    const std::optional<std::string>& ziel = punkt ? punkt : punktBeimStart_;
    std::string fehler;
    if (ziel ? wiederherstellungSchreiben(wiederherstellung_, *ziel, fehler)
             : wiederherstellungEntfernen(wiederherstellung_)) {
        letzterPunkt_ = punkt;
        return true;
    }
    if (fehler.empty()) fehler = "Die Datei lässt sich nicht entfernen.";
    plattform().meldung(MeldungsArt::Fehler,
                        "Der Monat kann nicht zurückgenommen werden: Der Wiederherstellungspunkt lässt sich nicht "
                        "zurücksetzen:\r" + wiederherstellung_ + "\r\r" + fehler +
                            "\r\rDas Spiel bleibt, wie es ist. Ein Absturz brächte sonst den zurückgenommenen Monat "
                            "wieder.",
                        Knoepfe::OK);
    return false;
}

bool Spiel::zurueck() {
    const Schritt* s = verlauf_.zurueck();
    if (!s || beendet_) return false;
    // The disk first: a crash from here on never brings the month back.
    if (s->monat && !punktZuruecksetzen(s->punktVorher)) return false;
    bildSetzen(*s->vorher);
    verlauf_.zurueckGegangen();
    return true;
}

bool Spiel::wiederholen() {
    const Schritt* s = verlauf_.wiederholen();
    if (!s || beendet_) return false;
    const bool monat = s->monat;
    bildSetzen(*s->nachher);
    verlauf_.wiederholt();
    // The month's point and row go to the disk as the month wrote them.
    if (monat) wiederherstellungspunktSetzen();
    return true;
}

bool Spiel::spielKopieren(const std::string& quelle, const std::string& ziel) {
    std::string bytes;
    std::string fehler;
    const auto melden = [&ziel](const std::string& was, const std::string& grund) {
        plattform().meldung(MeldungsArt::Fehler, was + ":\r" + ziel + "\r\r" + grund, Knoepfe::OK);
    };
    if (!dateiLesen(quelle, bytes, fehler) || !spielstandErsetzen(ziel, bytes, true, fehler)) {
        melden("Das Spiel konnte nicht unter diesem Namen gespeichert werden. Es geht weiter, wo es war", fehler);
        return false;
    }
    std::string buch;
    const bool mitBuch = dateiLesen(hofbuchPfad(quelle), buch, fehler);
    // What an earlier game of that name left beside its file is not this
    // game's: its point would be offered, its rows would follow.
    wiederherstellungEntfernen(wiederherstellungsPfad(ziel));
    if (mitBuch) {
        if (!dateiErsetzen(hofbuchPfad(ziel), buch, true, fehler))
            melden("Das Hofbuch konnte nicht zum Spiel mitgenommen werden; es beginnt neu", fehler);
    } else {
        std::error_code ec;
        std::filesystem::remove(hofbuchPfad(ziel), ec);
    }
    return true;
}
