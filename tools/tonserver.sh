# A PulseAudio server of its own with one null sink, for the sound test
# (tools/tonprobe.sh) and the benchmarks (bench/tabelle.sh). Sourced:
#
#   source tools/tonserver.sh
#   tonserver_starten VERZEICHNIS   # an empty directory; the server lives in it
#   …                               # every program started now plays into it
#   tonserver_aufnehmen SEKUNDEN DATEI   # the sink's monitor, raw s16le stereo 44.1 kHz
#   tonserver_rms DATEI             # its RMS amplitude (0 … 1)
#   tonserver_beenden
#
# The server, its socket and its cookie stay in
# VERZEICHNIS: nothing of the session's own sound server or home directory
# is used or touched. tonserver_beenden ends the server it started, by its
# process id.

TONSERVER_SENKE=trevo_probe
TONSERVER_PID=

tonserver_starten() {
  local ort=$1
  mkdir -p "$ort/laufzeit" "$ort/heim"
  chmod 700 "$ort/laufzeit"
  export XDG_RUNTIME_DIR="$ort/laufzeit" HOME="$ort/heim"
  export PULSE_SERVER="unix:$ort/laufzeit/pulse/native"
  # A display's root window could name another server.
  unset DISPLAY WAYLAND_DISPLAY
  if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null || ! command -v sox >/dev/null; then
    echo "tonserver: pulseaudio, parec (pulseaudio-utils) und sox werden gebraucht (tools/einrichten.sh)." >&2
    return 1
  fi
  # -n: no default script, so no real device is opened; the server stays
  # until it is ended.
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no \
    --load="module-null-sink sink_name=$TONSERVER_SENKE rate=44100 channels=2" \
    --load=module-native-protocol-unix >"$ort/pulseaudio.log" 2>&1 &
  TONSERVER_PID=$!
  local i
  for i in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      pactl set-default-sink "$TONSERVER_SENKE"
      return 0
    fi
    if ! kill -0 "$TONSERVER_PID" 2>/dev/null; then break; fi
    sleep 0.1
  done
  echo "tonserver: PulseAudio startet nicht:" >&2
  cat "$ort/pulseaudio.log" >&2
  tonserver_beenden
  return 1
}

tonserver_aufnehmen() {
  local sekunden=$1 datei=$2
  # parec records until it is stopped; timeout's SIGINT lets it finish its write.
  timeout -s INT "$sekunden" parec -d "$TONSERVER_SENKE.monitor" --raw --format=s16le --rate=44100 --channels=2 \
    --latency-msec=50 >"$datei" || true
  if [ ! -s "$datei" ]; then
    echo "tonserver: nichts aufgenommen" >&2
    return 1
  fi
}

tonserver_rms() {
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}'
}

tonserver_beenden() {
  if [ -n "$TONSERVER_PID" ]; then
    kill "$TONSERVER_PID" 2>/dev/null || true
    local i
    for i in $(seq 50); do
      kill -0 "$TONSERVER_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$TONSERVER_PID" 2>/dev/null || true
    wait "$TONSERVER_PID" 2>/dev/null || true
    TONSERVER_PID=
  fi
}
