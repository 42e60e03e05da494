# Shared by ./play and ./check: installs the Debian packages the build needs
# when they are missing, and configures and builds one build directory.

TREVO_PAKETE=(cmake make g++ pkg-config libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev
  timgm6mb-soundfont fonts-liberation2)
# The music is rendered once at build time (FluidSynth, oggenc); the game
# decodes it with libvorbisfile into Qt Multimedia's sound sink.
TREVO_PAKETE+=(fluidsynth vorbis-tools libvorbis-dev)
# ./check plays the game into a sound server of its own and records it.
TREVO_TON_PAKETE=(pulseaudio pulseaudio-utils sox)
# Qt's own translated texts; the tools that check the desktop entry and AppStream data.
TREVO_PAKETE+=(qt6-translations-l10n desktop-file-utils appstream)
# lrelease makes the translations (translations/*.ts) at build time; lupdate
# checks them in the tests.
TREVO_PAKETE+=(qt6-l10n-tools)
# The X protocol's header: the frame asks whether a window manager runs.
TREVO_PAKETE+=(libxcb1-dev)
# The game's native window on a Wayland desktop.
TREVO_PAKETE+=(qt6-wayland)
# ./check also fuzzes the save file with clang's libFuzzer.
TREVO_FUZZ_PAKETE=(clang libclang-rt-dev)
# ./check builds the Debian package, checks it with lintian and plays the
# installed game under a headless weston (tools/paket.sh).
TREVO_PAKET_PAKETE=(debhelper lintian weston python3)

trevo_pakete_pruefen() {
  local fehlt=()
  local p
  for p in "${TREVO_PAKETE[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      fehlt+=("$p")
    fi
  done
  [ ${#fehlt[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Es fehlen Pakete. Bitte einmal ausführen:" >&2
    echo "  sudo apt-get install -y ${fehlt[*]}" >&2
    return 1
  fi
  echo "Installiere: ${fehlt[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${fehlt[@]}"
}

# trevo_bauen VERZEICHNIS [cmake-Optionen…]
trevo_bauen() {
  local verzeichnis=$1
  shift
  cmake -S . -B "$verzeichnis" "$@" >/dev/null
  cmake --build "$verzeichnis" --parallel "$(nproc)"
}
