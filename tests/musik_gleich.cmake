# The build is reproducible where it makes bytes of its own: the music
# rendered once more must equal the build's trevo.ogg byte for byte.
set(zweit ${ARBEIT}/trevo-zweit.ogg)
file(MAKE_DIRECTORY ${ARBEIT})
execute_process(COMMAND ${CMAKE_COMMAND} -DFLUIDSYNTH=${FLUIDSYNTH} -DOGGENC=${OGGENC} -DKLANGBANK=${KLANGBANK}
  -DMIDI=${MIDI} -DAUS=${zweit} -P ${WURZEL}/tools/musik.cmake RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "Die Musik ließ sich nicht noch einmal erzeugen.")
endif()
file(SHA256 ${MUSIK} a)
file(SHA256 ${zweit} b)
file(REMOVE ${zweit})
if(NOT a STREQUAL b)
  message(FATAL_ERROR "Die Musik ist nicht reproduzierbar: ${MUSIK} ${a}, noch einmal erzeugt ${b}.")
endif()
message(STATUS "trevo.ogg zweimal gleich: ${a}")
