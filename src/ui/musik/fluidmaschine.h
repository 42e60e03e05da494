// The music machine on FluidSynth: a General MIDI soundfont from the system,
// a MIDI file player and an audio driver (PulseAudio, then ALSA). The
// library is loaded only when a device is there to play on, and let go when
// the music closes; without it the music is silent.
#pragma once

#include "ui/musik/musikmaschine.h"

#include <fluidsynth.h>

#include <memory>
#include <string>
#include <vector>

// FluidSynth's functions, looked up when the music is first opened.
struct FluidBibliothek;

struct FluidEinstellungen {
    // Tried in this order; the first that is a soundfont is taken.
    std::vector<std::string> klangbanken{
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
    };
    // FluidSynth's own default is ALSA alone, which leaves a PulseAudio or
    // PipeWire desktop silent when ALSA is taken; so we try both ourselves.
    // An empty list opens no audio device at all: the owner renders the sound
    // itself through rendern() (used by the tests).
    std::vector<std::string> treiber{"pulseaudio", "alsa"};
    // Background music, not the main event.
    double lautstaerke = 0.4;
    // The library, opened by laden() once a driver's device answers; the
    // music is silent without it.
    std::string bibliothek = "libfluidsynth.so.3";
};

class FluidMaschine final : public MusikMaschine {
public:
    explicit FluidMaschine(FluidEinstellungen einstellungen = {});
    ~FluidMaschine() override;
    FluidMaschine(const FluidMaschine&) = delete;
    FluidMaschine& operator=(const FluidMaschine&) = delete;

    // Whether the driver finds a device to play on, asked without loading
    // FluidSynth: a sound server's socket answers, a playback device opens.
    // True for a driver this class knows nothing of.
    static bool erreichbar(const std::string& treiber);

    bool pruefen(const std::string& datei) override;
    bool laden() override;
    void abspielen() override;
    void anhalten() override;
    void vonVorn() override;
    bool durchgelaufen() override;
    void schliessen() override;

    // Only without an audio driver: renders the next frames of stereo sound
    // into two buffers of at least `frames` values each; the player advances
    // with the rendered samples. False when nothing is open.
    bool rendern(int frames, float* links, float* rechts);
    // The player's position in MIDI ticks, -1 when nothing is open.
    int position() const;
    // The soundfont pruefen() chose, empty before.
    const std::string& klangbank() const { return klangbank_; }
    // The audio driver that opened ("pulseaudio", "alsa"), empty without one.
    const std::string& treiber() const { return treiber_; }

private:
    FluidEinstellungen einstellungen_;
    std::string klangbank_;
    std::string datei_;
    std::string treiber_;
    std::shared_ptr<const FluidBibliothek> bibliothek_;
    const FluidBibliothek* fl_ = nullptr;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    fluid_audio_driver_t* audio_ = nullptr;
    bool geladen_ = false;
};
