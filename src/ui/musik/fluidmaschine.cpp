#include "ui/musik/fluidmaschine.h"

#include <dlfcn.h>

#include <cstring>
#include <mutex>
#include <utility>

namespace {

void alsaSchweigt(const char*, int, const char*, int, const char*, ...) {}

// Missing music is silent: neither FluidSynth nor the ALSA library FluidSynth
// brings along may talk on the terminal. ALSA is reached through the loader
// so that the game does not link it itself.
void fluidStumm() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        for (int stufe : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(stufe, nullptr, nullptr);
        using Meldung = void (*)(const char*, int, const char*, int, const char*, ...);
        using Setzen = int (*)(Meldung);
        if (void* symbol = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler")) {
            Setzen setzen;
            std::memcpy(&setzen, &symbol, sizeof setzen);
            setzen(alsaSchweigt);
        }
    });
}

}  // namespace

FluidMaschine::FluidMaschine(FluidEinstellungen einstellungen)
    : einstellungen_(std::move(einstellungen)) {}

FluidMaschine::~FluidMaschine() { schliessen(); }

bool FluidMaschine::pruefen(const std::string& datei) {
    schliessen();
    fluidStumm();
    if (datei.empty() || !fluid_is_midifile(datei.c_str()))
        return false;
    for (const std::string& bank : einstellungen_.klangbanken) {
        if (fluid_is_soundfont(bank.c_str())) {
            klangbank_ = bank;
            break;
        }
    }
    if (klangbank_.empty())
        return false;

    settings_ = new_fluid_settings();
    if (!settings_) {
        schliessen();
        return false;
    }
    // Locking 150 MB of samples into memory only earns a warning on most desktops.
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    // The player advances with the rendered sound, not with a timer thread of its own.
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    fluid_settings_setnum(settings_, "synth.gain", einstellungen_.lautstaerke);

    synth_ = new_fluid_synth(settings_);
    if (synth_)
        player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add(player_, datei.c_str()) != FLUID_OK) {
        schliessen();
        return false;
    }
    for (const std::string& name : einstellungen_.treiber) {
        if (fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK)
            continue;
        audio_ = new_fluid_audio_driver(settings_, synth_);
        if (audio_) {
            treiber_ = name;
            break;
        }
    }
    if (!einstellungen_.treiber.empty() && !audio_) {
        schliessen();
        return false;
    }
    return true;
}

bool FluidMaschine::laden() {
    if (!synth_ || klangbank_.empty())
        return false;
    // The expensive step: 20 ms for a small soundfont, 400 ms for FluidR3.
    geladen_ = fluid_synth_sfload(synth_, klangbank_.c_str(), 1) != FLUID_FAILED;
    return geladen_;
}

void FluidMaschine::abspielen() {
    if (player_ && geladen_)
        fluid_player_play(player_);
}

void FluidMaschine::anhalten() {
    // FluidSynth's stop keeps the position and silences the sounding notes;
    // the next play goes on from there.
    if (player_)
        fluid_player_stop(player_);
}

void FluidMaschine::vonVorn() {
    if (player_)
        fluid_player_seek(player_, 0);
}

bool FluidMaschine::durchgelaufen() {
    // DONE also follows a stop; the owner asks only while the piece is meant to play.
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
}

void FluidMaschine::schliessen() {
    // The audio thread goes first: it renders the synth and drives the player.
    if (audio_)
        delete_fluid_audio_driver(audio_);
    if (player_)
        delete_fluid_player(player_);
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
    audio_ = nullptr;
    player_ = nullptr;
    synth_ = nullptr;
    settings_ = nullptr;
    klangbank_.clear();
    treiber_.clear();
    geladen_ = false;
}

bool FluidMaschine::rendern(int frames, float* links, float* rechts) {
    if (!synth_ || audio_ || frames <= 0 || !links || !rechts)
        return false;
    return fluid_synth_write_float(synth_, frames, links, 0, 1, rechts, 0, 1) == FLUID_OK;
}

int FluidMaschine::position() const {
    return player_ ? fluid_player_get_current_tick(player_) : -1;
}
