// The sound machine behind the background music. FluidMusik keeps the
// player's state (playing, paused, played through) and drives the machine; the
// machine only makes sound. Tests put a machine of their own in its place.
#pragma once

#include <string>

class MusikMaschine {
public:
    virtual ~MusikMaschine() = default;

    // The quick part of opening, on the UI thread: the file is a MIDI file
    // and a soundfont is there. False otherwise.
    virtual bool pruefen(const std::string& datei) = 0;
    // The slow part (the sound library, the soundfont, the audio device): may
    // run on a worker thread, once after a successful pruefen(). False when it
    // fails.
    virtual bool laden() = 0;
    // Plays on from the current position.
    virtual void abspielen() = 0;
    // Pauses; the position stays.
    virtual void anhalten() = 0;
    // Back to the beginning of the piece.
    virtual void vonVorn() = 0;
    // True once playback that was started has reached the end of the piece.
    virtual bool durchgelaufen() = 0;
    // Lets go of everything that pruefen() and laden() took.
    virtual void schliessen() = 0;
};
