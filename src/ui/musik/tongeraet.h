// Whether the machine has somewhere to play sound, asked without loading
// any sound library: the music does not load Qt Multimedia for a machine
// that would stay silent.
#pragma once

// A PulseAudio or PipeWire server named in PULSE_SERVER or answering on the
// session's socket ($XDG_RUNTIME_DIR/pulse/native) or the system-wide one:
// Qt Multimedia on Linux plays through PulseAudio's protocol only (PipeWire
// speaks it too), so a bare ALSA device would stay silent.
bool tonGeraetErreichbar();
