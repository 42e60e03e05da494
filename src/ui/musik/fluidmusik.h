// The game's background music player: opens "trevo.mid", plays, pauses and
// resumes it, and reports the end of the piece on the UI thread.
//
// Opening is split so that start-up stays quick: oeffnen() checks on the spot
// that the file, a soundfont and an audio device are there (a few
// milliseconds) and loads the soundfont on a worker thread (up to half a
// second for a large one). A spielen() during that time is remembered and
// carried out when the soundfont is in. The game's own player waits even for
// that until freigeben(): the first picture of the game does not share the
// machine with FluidSynth's libraries and the audio device.
#pragma once

#include "app/plattform.h"
#include "ui/musik/musikmaschine.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class FluidMusik final : public MusikSpieler {
public:
    enum class Laden { imHintergrund, sofort, nachFreigabe };

    // Without a machine, FluidSynth with the system's soundfont and audio device.
    explicit FluidMusik(std::unique_ptr<MusikMaschine> maschine = nullptr,
                        Laden laden = Laden::imHintergrund);
    ~FluidMusik() override;
    FluidMusik(const FluidMusik&) = delete;
    FluidMusik& operator=(const FluidMusik&) = delete;

    bool oeffnen(const std::string& datei) override;
    bool geoeffnet() const override;
    bool spielen() override;
    void stoppen() override;
    bool spielt() const override;

    // With Laden::nachFreigabe: from now on the soundfont may load. Opening
    // before that only checks the files.
    void freigeben();

    // Called on the UI thread when the piece has played to its end, never
    // for a stop. The frame restarts the music from here while it is on.
    void setzeEndeMeldung(std::function<void()> meldung);
    // Looks whether the piece has reached its end; a timer calls it a few
    // times a second while the music plays.
    void nachsehen();
    // The soundfont is in; until then a requested playback waits.
    bool bereit() const { return zustand_ == Zustand::bereit; }

private:
    enum class Zustand { zu, laedt, bereit };

    void geladen(unsigned runde, bool ok);
    void ladeImHintergrund(unsigned runde);
    void warteAufLader();

    // What the player and its loader thread share: a player going away
    // while the loader works leaves the machine to it instead of waiting.
    struct Lader {
        std::mutex schutz;
        bool verlassen = false;  // the player is gone: the loader closes the machine
        bool gemeldet = false;   // the loader has sent its answer and ends
    };

    std::shared_ptr<MusikMaschine> maschine_;
    std::shared_ptr<Lader> ladeZustand_;
    Laden laden_;
    Zustand zustand_ = Zustand::zu;
    bool laeuft_ = false;   // playing, or waiting for the soundfont to play
    bool amEnde_ = false;   // played through: the next start is from the beginning
    unsigned runde_ = 0;    // counts oeffnen(), to know a stale loader's answer
    bool freigegeben_ = false;
    std::function<void()> endeMeldung_;
    std::thread lader_;
    QTimer uhr_;            // also the UI thread's address for the loader's answer
};
