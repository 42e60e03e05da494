#include "spiel.h"

#include "app/anzahlform.h"
#include "app/kindform.h"
#include "app/kontoform.h"
#include "app/kontrollform.h"
#include "app/mainform.h"
#include "app/plattform.h"
#include "app/spielstand.h"
#include "app/zufall.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/stores.h"
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

Spiel::Spiel(Plattform& p, const std::string& programmVerzeichnis) {
    setzePlattform(&p);
    randSeed = 0;
    futterMangel = false;
    frame_ = std::make_unique<TmainForm>();
    MainForm = frame_.get();
    frame_->FormCreate(programmVerzeichnis);
    spielstand().laden(spielstandDatei);

    // The start order. The price list comes first: its new game hands out the
    // good numbers that every goods and herd window copies.
    erzeugeFenster(PreiseForm);
    erzeugeFenster(KontrollForm);
    erzeugeFenster(KontoForm);
    erzeugeDialog(AnzahlForm);
    erzeugeFenster(FelderForm);
    erzeugeDialog(FeldAktionForm);
    // Here follow the herds: pigs, chickens, sheep, cows.
    erzeugeFenster(FutterForm);
    erzeugeFenster(DieselForm);
    erzeugeFenster(GetreideForm);
    erzeugeFenster(RuebenForm);
    // Last, the animal purchase dialog.
}

Spiel::~Spiel() {
    if (!beendet_) abbauen(false);
}

bool Spiel::beenden() {
    if (beendet_) return true;
    abbauen(true);
    std::string fehler;
    if (spielstand().sichern(fehler)) return true;
    plattform().meldung(MeldungsArt::Fehler,
                        "Der Spielstand konnte nicht gespeichert werden:\r" + spielstand().pfad() + "\r\r" + fehler,
                        Knoepfe::OK);
    return false;
}

void Spiel::abbauen(bool sichern) {
    beendet_ = true;
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
