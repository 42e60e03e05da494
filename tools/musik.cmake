# Renders resources/trevo.mid into the Ogg Vorbis file the game streams:
# FluidSynth plays it once with the soundfont, oggenc encodes it. The build
# and the reproducibility test (tests/musik_gleich.cmake) both go through
# here, so that they make the same bytes.
#
#   cmake -DFLUIDSYNTH=… -DOGGENC=… -DKLANGBANK=… -DMIDI=… -DAUS=…/trevo.ogg -P tools/musik.cmake
#
# The gain is the one the game's live synthesizer played with; oggenc's
# quality 3 keeps the 110 s in about 1.2 MB. The stream's serial number is
# fixed: oggenc draws one at random otherwise, and two builds of the same
# tree would differ in every page header.
foreach(v FLUIDSYNTH OGGENC KLANGBANK MIDI AUS)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "musik.cmake: ${v} fehlt")
  endif()
endforeach()
set(wav ${AUS}.wav)
execute_process(COMMAND ${FLUIDSYNTH} -n -i -q -g 0.4 -r 44100 -F ${wav} ${KLANGBANK} ${MIDI}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "FluidSynth: ${rc}")
endif()
execute_process(COMMAND ${OGGENC} -Q -q 3 --serial 20010301 -o ${AUS} ${wav} RESULT_VARIABLE rc)
file(REMOVE ${wav})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "oggenc: ${rc}")
endif()
