#include "spiel.h"

#include "app/anzahlform.h"
#include "app/hofbuch.h"
#include "app/kindform.h"
#include "app/kontoform.h"
#include "app/kontrollform.h"
#include "app/mainform.h"
#include "app/plattform.h"
#include "app/spielstand.h"
#include "app/wiederherstellung.h"
#include "app/zufall.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "hofbuchspalten.h"
#include "livestock/arten.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"

template <class T>
void Spiel::erzeugeFenster(T*& global) {
    auto fenster = std::make_unique<T>();
    global = fenster.get();
    MainForm->kindHinzufuegen(fenster.get());
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
             bool anbieten) {
    setzePlattform(&p);
    randSeed = 0;
    futterMangel = false;
    frame_ = std::make_unique<TmainForm>();
    MainForm = frame_.get();
    frame_->FormCreate(programmVerzeichnis, spielstandVerzeichnis);
    spielstand().laden(spielstandDatei);
    wiederherstellung_ = wiederherstellungsPfad(spielstandDatei);
    // What writes killed half-way left beside the files is of no use.
    liegengebliebeneEntfernen(spielstandDatei, true);
    liegengebliebeneEntfernen(wiederherstellung_, false);
    if (anbieten) wiederherstellungAnbieten();
    lesefehlerMelden();

    // The start order. The price list comes first: its new game hands out the
    // good numbers that every goods and herd window copies.
    erzeugeFenster(PreiseForm);
    erzeugeFenster(KontrollForm);
    erzeugeFenster(KontoForm);
    erzeugeDialog(AnzahlForm);
    erzeugeFenster(FelderForm);
    erzeugeDialog(FeldAktionForm);
    erzeugeFenster(SchweineForm);
    erzeugeFenster(HuenerForm);
    erzeugeFenster(SchafForm);
    erzeugeFenster(KueheForm);
    erzeugeFenster(FutterForm);
    erzeugeFenster(DieselForm);
    erzeugeFenster(GetreideForm);
    erzeugeFenster(RuebenForm);
    erzeugeDialog(TierKaufForm);
    KontrollForm->monatGeschlossen = [this] { wiederherstellungspunktSetzen(); };
    // The book follows the game as it starts, from whichever file that is.
    hofbuch_ = std::make_unique<Hofbuch>(hofbuchPfad(spielstandDatei), hofbuchSpalten());
    hofbuch_->angleichen(!spielstand().ini().lesen("Kontrolle", "monat"));
    KontrollForm->beobachter = hofbuch_.get();
}

Spiel::~Spiel() {
    if (!beendet_) abbauen(false);
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
    hofbuch_->sichern();
    abbauen(true);
    const Spielstand& s = spielstand();
    std::string fehler;
    std::string text = "Der Spielstand konnte nicht gespeichert werden:\r" + s.pfad() + "\r\r";
    if (!s.lesefehler().empty()) {
        // The farm in the file that could not be read is never written over.
        text += "Die Datei konnte beim Start nicht gelesen werden und bleibt, wie sie war.\r";
        const std::string ort = s.retten(fehler);
        if (ort.empty()) {
            text += "Das Spiel konnte auch daneben nicht gesichert werden: " + fehler;
        } else {
            text += "Das Spiel wurde stattdessen hier gesichert:\r" + ort;
            wiederherstellungEntfernen(wiederherstellung_);
        }
    } else if (s.sichern(fehler)) {
        // Only now: until the game is on the disk the recovery point is all
        // there is of this run.
        wiederherstellungEntfernen(wiederherstellung_);
        return true;
    } else {
        text += fehler;
    }
    plattform().meldung(MeldungsArt::Fehler, text, Knoepfe::OK);
    return false;
}

void Spiel::wiederherstellungAnbieten() {
    if (wiederherstellungVeraltet(wiederherstellung_, spielstandDatei)) {
        wiederherstellungEntfernen(wiederherstellung_);
        return;
    }
    Wiederherstellungspunkt p = wiederherstellungLesen(wiederherstellung_);
    if (p.art == Wiederherstellungspunkt::Art::keiner) return;
    if (p.art == Wiederherstellungspunkt::Art::beschaedigt) {
        plattform().meldung(MeldungsArt::Warnung,
                            std::string("Der Wiederherstellungspunkt ") + wiederherstellungsName +
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
    const std::string text = "Trevo wurde zuletzt nicht ordnungsgemäß beendet. Der Hof ist bis zum Ende des "
                             "Monats " + fertig + " erhalten.\r\rSoll das Spiel im " + datum(p.monat, p.jahr) +
                             " weitergehen?\r\r„Nein“ spielt mit dem zuletzt gespeicherten Spielstand weiter und "
                             "verwirft den erhaltenen.";
    if (plattform().meldung(MeldungsArt::Bestaetigen, text, Knoepfe::JaNein) == Antwort::Ja) {
        // The file stays until the orderly end: a second crash before the
        // next month still finds it.
        spielstand().uebernehmen(std::move(p.ini));
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
    std::string fehler;
    return wiederherstellungSchreiben(wiederherstellung_, stand(), fehler);
}

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
