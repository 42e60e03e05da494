// The game's background music: "trevo.ogg", rendered from the MIDI piece
// when the game was built, decoded a little at a time by the sound module
// (libvorbisfile) into a Qt Multimedia sound sink. It plays, pauses and resumes the piece, and reports the
// end of the piece on the UI thread.
//
// Opening only looks: the file is an Ogg file and the machine has a sound
// server or device (tonGeraetErreichbar). The module, its libraries and the
// stream are loaded when the music is to play and the frame has let it
// (freigeben(), after the game's first picture); a game whose music is off
// by then never loads them.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "rahmen/plattform.h"
#include "ui/klangspieler.h"

class StromMusik final : public MusikSpieler {
public:
    // Makes the stream of a file that reports to `melden`; null when it
    // cannot (no module).
    using StromQuelle =
        std::function<std::unique_ptr<MusikStrom>(const std::string& datei, std::function<void(StromEreignis)> melden)>;

    // Without a source, the sound module's stream; without a look for a
    // device, tonGeraetErreichbar. Tests put their own in.
    explicit StromMusik(StromQuelle quelle = {}, std::function<bool()> geraet = {});
    ~StromMusik() override;
    StromMusik(const StromMusik&) = delete;
    StromMusik& operator=(const StromMusik&) = delete;

    bool oeffnen(const std::string& datei) override;
    bool geoeffnet() const override { return offen_; }
    bool spielen() override;
    void stoppen() override;
    bool spielt() const override { return offen_ && laeuft_; }
    void lautstaerkeSetzen(float anteil) override;

    // From now on the stream may load; a playback asked for before starts now.
    void freigeben();
    // Called on the UI thread when the piece has played to its end, never
    // for a stop. The frame starts the music again from here while it is on.
    void setzeEndeMeldung(std::function<void()> meldung) { endeMeldung_ = std::move(meldung); }
    // The stream is made (the module is loaded).
    bool geladen() const { return strom_ != nullptr; }

private:
    void melden(StromEreignis ereignis);

    StromQuelle quelle_;
    std::function<bool()> geraet_;
    std::function<void()> endeMeldung_;
    std::string datei_;
    std::unique_ptr<MusikStrom> strom_;
    // A stream that played to its end is not started again: the next
    // playback makes a new one, which reads the file from its start. The old
    // one is kept until the one after, for its end is reported from inside it.
    std::unique_ptr<MusikStrom> alterStrom_;
    bool durchgespielt_ = false;
    float lautstaerke_ = 1.0f;
    bool offen_ = false;
    bool laeuft_ = false;  // playing, or waiting for freigeben() to play
    bool freigegeben_ = false;
};
