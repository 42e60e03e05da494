// The game's short sounds are played by a module of their own,
// trevo-klaenge.so beside the program. It alone links Qt Multimedia, which
// brings PulseAudio, the sound file libraries and Qt's network library: a
// game that has not yet made a sound has not loaded them.
#pragma once

#include <QString>

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
