#include "ui/musik/fluidmaschine.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

// FluidSynth is opened when the music loads, not linked: it brings some sixty
// libraries along, and loading them cost the start of the game more than all
// of Qt. It is let go again when the music closes (or finds no device).
struct FluidBibliothek {
    void* handle = nullptr;
    decltype(&::fluid_set_log_function) fluid_set_log_function = nullptr;
    decltype(&::fluid_is_midifile) fluid_is_midifile = nullptr;
    decltype(&::fluid_is_soundfont) fluid_is_soundfont = nullptr;
    decltype(&::new_fluid_settings) new_fluid_settings = nullptr;
    decltype(&::fluid_settings_setint) fluid_settings_setint = nullptr;
    decltype(&::fluid_settings_setstr) fluid_settings_setstr = nullptr;
    decltype(&::fluid_settings_setnum) fluid_settings_setnum = nullptr;
    decltype(&::new_fluid_synth) new_fluid_synth = nullptr;
    decltype(&::new_fluid_player) new_fluid_player = nullptr;
    decltype(&::fluid_player_add) fluid_player_add = nullptr;
    decltype(&::new_fluid_audio_driver) new_fluid_audio_driver = nullptr;
    decltype(&::fluid_synth_sfload) fluid_synth_sfload = nullptr;
    decltype(&::fluid_player_play) fluid_player_play = nullptr;
    decltype(&::fluid_player_stop) fluid_player_stop = nullptr;
    decltype(&::fluid_player_seek) fluid_player_seek = nullptr;
    decltype(&::fluid_player_get_status) fluid_player_get_status = nullptr;
    decltype(&::delete_fluid_audio_driver) delete_fluid_audio_driver = nullptr;
    decltype(&::delete_fluid_player) delete_fluid_player = nullptr;
    decltype(&::delete_fluid_synth) delete_fluid_synth = nullptr;
    decltype(&::delete_fluid_settings) delete_fluid_settings = nullptr;
    decltype(&::fluid_synth_write_float) fluid_synth_write_float = nullptr;
    decltype(&::fluid_player_get_current_tick) fluid_player_get_current_tick = nullptr;
};

namespace {

template <typename Funktion>
bool holen(void* handle, const char* name, Funktion& ziel) {
    void* symbol = dlsym(handle, name);
    if (!symbol)
        return false;
    std::memcpy(&ziel, &symbol, sizeof ziel);
    return true;
}

void alsaSchweigt(const char*, int, const char*, int, const char*, ...) {}

// Missing music is silent: neither FluidSynth nor the ALSA library FluidSynth
// brings along may talk on the terminal. ALSA is found among FluidSynth's own
// libraries, which were loaded privately.
void fluidStumm(const FluidBibliothek& fl) {
    for (int stufe : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fl.fluid_set_log_function(stufe, nullptr, nullptr);
    using Meldung = void (*)(const char*, int, const char*, int, const char*, ...);
    using Setzen = int (*)(Meldung);
    if (void* symbol = dlsym(fl.handle, "snd_lib_error_set_handler")) {
        Setzen setzen;
        std::memcpy(&setzen, &symbol, sizeof setzen);
        setzen(alsaSchweigt);
    }
}

// Null when the library or one of its functions is missing: the music is then
// silent. A library is opened once while anyone uses it, and closed with its
// last user. The cache lives on past the end of the program's statics: a
// loader thread may still be finishing then.
std::shared_ptr<const FluidBibliothek> fluid(const std::string& name) {
    static auto* schutz = new std::mutex;
    static auto* offen = new std::map<std::string, std::weak_ptr<const FluidBibliothek>>;
    const std::lock_guard<std::mutex> halten(*schutz);
    if (auto bekannt = (*offen)[name].lock())
        return bekannt;
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    std::shared_ptr<FluidBibliothek> bibliothek(new FluidBibliothek, [](FluidBibliothek* b) {
        dlclose(b->handle);
        delete b;
    });
    FluidBibliothek& b = *bibliothek;
    b.handle = handle;
    bool vollstaendig = true
    && holen(handle, "fluid_set_log_function", b.fluid_set_log_function)
    && holen(handle, "fluid_is_midifile", b.fluid_is_midifile)
    && holen(handle, "fluid_is_soundfont", b.fluid_is_soundfont)
    && holen(handle, "new_fluid_settings", b.new_fluid_settings)
    && holen(handle, "fluid_settings_setint", b.fluid_settings_setint)
    && holen(handle, "fluid_settings_setstr", b.fluid_settings_setstr)
    && holen(handle, "fluid_settings_setnum", b.fluid_settings_setnum)
    && holen(handle, "new_fluid_synth", b.new_fluid_synth)
    && holen(handle, "new_fluid_player", b.new_fluid_player)
    && holen(handle, "fluid_player_add", b.fluid_player_add)
    && holen(handle, "new_fluid_audio_driver", b.new_fluid_audio_driver)
    && holen(handle, "fluid_synth_sfload", b.fluid_synth_sfload)
    && holen(handle, "fluid_player_play", b.fluid_player_play)
    && holen(handle, "fluid_player_stop", b.fluid_player_stop)
    && holen(handle, "fluid_player_seek", b.fluid_player_seek)
    && holen(handle, "fluid_player_get_status", b.fluid_player_get_status)
    && holen(handle, "delete_fluid_audio_driver", b.delete_fluid_audio_driver)
    && holen(handle, "delete_fluid_player", b.delete_fluid_player)
    && holen(handle, "delete_fluid_synth", b.delete_fluid_synth)
    && holen(handle, "delete_fluid_settings", b.delete_fluid_settings)
    && holen(handle, "fluid_synth_write_float", b.fluid_synth_write_float)
    && holen(handle, "fluid_player_get_current_tick", b.fluid_player_get_current_tick);
    if (!vollstaendig)
        return nullptr;
    fluidStumm(b);
    (*offen)[name] = bibliothek;
    return bibliothek;
}

// A socket that a sound server answers on.
bool serverAntwortet(const std::string& pfad) {
    sockaddr_un adresse{};
    if (pfad.empty() || pfad.size() >= sizeof adresse.sun_path)
        return false;
    adresse.sun_family = AF_UNIX;
    std::memcpy(adresse.sun_path, pfad.c_str(), pfad.size() + 1);
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) == 0;
    ::close(s);
    return ok;
}

// PulseAudio, or PipeWire in its place: a server named in PULSE_SERVER, or
// one answering on the session's socket or the system-wide one.
bool pulseErreichbar() {
    if (const char* server = std::getenv("PULSE_SERVER"); server && *server)
        return true;
    const char* laufzeit = std::getenv("XDG_RUNTIME_DIR");
    const std::string sitzung = laufzeit && *laufzeit ? std::string(laufzeit)
                                                      : "/run/user/" + std::to_string(::getuid());
    return serverAntwortet(sitzung + "/pulse/native") || serverAntwortet("/var/run/pulse/native");
}

// A playback device of the kernel's sound system that opens (or is busy with
// another program, which ALSA's mixing may still share).
bool alsaErreichbar() {
    std::error_code fehler;
    for (const auto& eintrag : std::filesystem::directory_iterator("/dev/snd", fehler)) {
        const std::string name = eintrag.path().filename().string();
        if (name.rfind("pcmC", 0) != 0 || name.back() != 'p')
            continue;
        const int fd = ::open(eintrag.path().c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        if (errno == EBUSY)
            return true;
    }
    return false;
}

// The first bytes of the file at `stelle` are `kennung`: a cheap look at the
// kind of file without the library.
bool kopfStimmt(const std::string& datei, std::streamoff stelle, const char (&kennung)[5]) {
    std::ifstream ein(datei, std::ios::binary);
    char kopf[4] = {};
    if (!ein || !ein.seekg(stelle) || !ein.read(kopf, sizeof kopf))
        return false;
    return std::memcmp(kopf, kennung, sizeof kopf) == 0;
}

}  // namespace

bool FluidMaschine::erreichbar(const std::string& treiber) {
    if (treiber == "pulseaudio")
        return pulseErreichbar();
    if (treiber == "alsa")
        return alsaErreichbar();
    // One we know nothing of is left to FluidSynth to try.
    return true;
}

FluidMaschine::FluidMaschine(FluidEinstellungen einstellungen)
    : einstellungen_(std::move(einstellungen)) {}

FluidMaschine::~FluidMaschine() { schliessen(); }

bool FluidMaschine::pruefen(const std::string& datei) {
    schliessen();
    // Only the file headers here: the library itself is loaded by laden(),
    // away from the first picture of the game.
    if (datei.empty() || !kopfStimmt(datei, 0, "MThd"))
        return false;
    for (const std::string& bank : einstellungen_.klangbanken) {
        if (kopfStimmt(bank, 0, "RIFF") && kopfStimmt(bank, 8, "sfbk")) {
            klangbank_ = bank;
            break;
        }
    }
    if (klangbank_.empty())
        return false;
    datei_ = datei;
    return true;
}

bool FluidMaschine::laden() {
    if (klangbank_.empty() || datei_.empty() || settings_)
        return false;
    // Without a device the library and its sixty companions are not worth
    // loading: ask the drivers' devices first, without FluidSynth.
    std::vector<std::string> treiber;
    for (const std::string& name : einstellungen_.treiber)
        if (erreichbar(name))
            treiber.push_back(name);
    if (!einstellungen_.treiber.empty() && treiber.empty())
        return false;
    bibliothek_ = fluid(einstellungen_.bibliothek);
    fl_ = bibliothek_.get();
    if (!fl_)
        return false;
    const FluidBibliothek* const fl = fl_;

    settings_ = fl->new_fluid_settings();
    if (!settings_)
        return false;
    // Locking 150 MB of samples into memory only earns a warning on most desktops.
    fl->fluid_settings_setint(settings_, "synth.lock-memory", 0);
    // The player advances with the rendered sound, not with a timer thread of its own.
    fl->fluid_settings_setstr(settings_, "player.timing-source", "sample");
    // Our piece sounds at most 15 voices at once; 64 leave room and take about
    // half the synth's memory of the default 256. And only the instruments
    // the piece selects (at its first tick) are read from the soundfont: 7.7
    // instead of 13.4 MB for TimGM6mb, and the larger the soundfont, the more
    // this saves. Both leave the rendered sound unchanged to the sample.
    fl->fluid_settings_setint(settings_, "synth.polyphony", 64);
    fl->fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fl->fluid_settings_setnum(settings_, "synth.gain", einstellungen_.lautstaerke);

    synth_ = fl->new_fluid_synth(settings_);
    if (synth_)
        player_ = fl->new_fluid_player(synth_);
    if (!player_ || fl->fluid_player_add(player_, datei_.c_str()) != FLUID_OK)
        return false;
    for (const std::string& name : treiber) {
        if (fl->fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK)
            continue;
        audio_ = fl->new_fluid_audio_driver(settings_, synth_);
        if (audio_) {
            treiber_ = name;
            break;
        }
    }
    // Without a device the soundfont is not worth its memory.
    if (!einstellungen_.treiber.empty() && !audio_)
        return false;
    // The expensive step: 20 ms for a small soundfont, 400 ms for FluidR3.
    geladen_ = fl->fluid_synth_sfload(synth_, klangbank_.c_str(), 1) != FLUID_FAILED;
    return geladen_;
}

void FluidMaschine::abspielen() {
    const FluidBibliothek* const fl = fl_;
    if (player_ && geladen_)
        fl->fluid_player_play(player_);
}

void FluidMaschine::anhalten() {
    const FluidBibliothek* const fl = fl_;
    // FluidSynth's stop keeps the position and silences the sounding notes;
    // the next play goes on from there.
    if (player_)
        fl->fluid_player_stop(player_);
}

void FluidMaschine::vonVorn() {
    const FluidBibliothek* const fl = fl_;
    if (player_)
        fl->fluid_player_seek(player_, 0);
}

bool FluidMaschine::durchgelaufen() {
    const FluidBibliothek* const fl = fl_;
    // DONE also follows a stop; the owner asks only while the piece is meant to play.
    return player_ && fl->fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
}

void FluidMaschine::schliessen() {
    const FluidBibliothek* const fl = fl_;
    // The audio thread goes first: it renders the synth and drives the player.
    if (audio_)
        fl->delete_fluid_audio_driver(audio_);
    if (player_)
        fl->delete_fluid_player(player_);
    if (synth_)
        fl->delete_fluid_synth(synth_);
    if (settings_)
        fl->delete_fluid_settings(settings_);
    audio_ = nullptr;
    player_ = nullptr;
    synth_ = nullptr;
    settings_ = nullptr;
    // With its last user, the library and everything it brought go again.
    fl_ = nullptr;
    bibliothek_.reset();
    klangbank_.clear();
    datei_.clear();
    treiber_.clear();
    geladen_ = false;
}

bool FluidMaschine::rendern(int frames, float* links, float* rechts) {
    const FluidBibliothek* const fl = fl_;
    if (!synth_ || audio_ || frames <= 0 || !links || !rechts)
        return false;
    return fl->fluid_synth_write_float(synth_, frames, links, 0, 1, rechts, 0, 1) == FLUID_OK;
}

int FluidMaschine::position() const {
    const FluidBibliothek* const fl = fl_;
    return player_ ? fl->fluid_player_get_current_tick(player_) : -1;
}
