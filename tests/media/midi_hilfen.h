// Small helpers for the music tests: a short MIDI file of our own, a WAV
// reader and the loudness of a stretch of samples.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace medientest {

// A format-0 MIDI file: 120 beats a minute, a piano playing `viertel`
// quarter notes of C major upwards, one after the other (half a second each).
std::vector<std::uint8_t> kurzesStueck(int viertel);
void schreibeDatei(const std::filesystem::path& pfad, const std::vector<std::uint8_t>& daten);
void schreibeDatei(const std::filesystem::path& pfad, const std::string& text);

// A fresh, empty folder below the system's temporary folder.
std::filesystem::path frischesVerzeichnis(const std::string& name);

struct Wav {
    int kanaele = 0;
    int abtastrate = 0;
    std::vector<float> proben;  // interleaved, -1 … 1
    double sekunden() const {
        return kanaele && abtastrate ? double(proben.size()) / kanaele / abtastrate : 0.0;
    }
};
// Reads a 16-bit PCM WAV file; false if it is not one.
bool leseWav(const std::filesystem::path& pfad, Wav& wav);

double rms(const float* proben, std::size_t anzahl);

// The first soundfont of the player's own list that is installed, empty if none.
std::string installierteKlangbank();

}  // namespace medientest
