// The game's short sounds and its background music are played by a module of
// their own, trevo-klaenge.so beside the program. It alone links Qt
// Multimedia, which brings PulseAudio and Qt's network library, and the Ogg
// Vorbis decoder: a game that has not yet made a sound, or whose music waits
// for its first picture, has not loaded them.
#pragma once

#include <QString>

#include <cstring>
#include <functional>

class KlangSpieler {
public:
    virtual ~KlangSpieler() = default;
    // Starts the wave file `datei` (a resource path); returns at once. Without
    // an audio device the sound is silent.
    virtual void spielen(const QString& datei) = 0;
};

// What the module exports under kKlangSpielerNeu: a new player, owned by the caller.
using KlangSpielerNeu = KlangSpieler* (*)();
inline constexpr const char* kKlangSpielerNeu = "trevoKlangSpielerNeu";
inline constexpr const char* kKlangModul = "trevo-klaenge.so";

// What a music stream tells its owner, always on the UI thread and from an
// event of its own (never from inside one of the calls below).
enum class StromEreignis {
    ende,    // the piece has played to its end
    fehler,  // the file cannot be played (no decoder, a damaged file)
};

// One compressed piece of music played from a file.
class MusikStrom {
public:
    virtual ~MusikStrom() = default;
    // Plays on from where it was paused. A stream that has reported its end
    // is not played again; its owner makes a new one.
    virtual void spielen() = 0;
    // Pauses; the position stays.
    virtual void anhalten() = 0;
    // 0.0 is silent, 1.0 the file as it was made.
    virtual void lautstaerke(float anteil) = 0;
};

// What the module exports under kMusikStromNeu: a stream of the file `datei`
// (a path), owned by the caller, that reports to `melden`. It loads the file
// and waits for spielen().
using MusikStromNeu = MusikStrom* (*)(const QString& datei, std::function<void(StromEreignis)> melden);
inline constexpr const char* kMusikStromNeu = "trevoMusikStromNeu";

// The game's side: where the module is looked for, beside the program unless
// set (the tests run from their own directories).
void setzeKlangModulPfad(const QString& pfad);
QString klangModulPfad();
// A function the module exports, null without the module or the name. The
// module is opened on the first look and stays: its sounds and music live
// until the end of the game.
void* klangModulSymbol(const char* name);

// Ends the process once the game is over and all of it is written. Where the
// module was loaded, the process ends without the destructors of static
// objects: Qt Multimedia's (Qt 6.4) takes its PulseAudio connection down
// without the lock of the connection's thread, and now and then that thread
// crashes the ending process (seen about once in twenty ends while music
// played). The sound server drops a gone client's streams itself.
[[noreturn]] void prozessBeenden(int code);
template <typename Funktion>
Funktion klangModulFunktion(const char* name) {
    Funktion f = nullptr;
    if (void* symbol = klangModulSymbol(name)) std::memcpy(&f, &symbol, sizeof f);
    return f;
}
