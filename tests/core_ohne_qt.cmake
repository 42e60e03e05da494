# Fails when a core source includes a Qt header.
file(GLOB_RECURSE quellen ${WURZEL}/src/rahmen/* ${WURZEL}/src/geld/* ${WURZEL}/src/spielstand/*
  ${WURZEL}/src/hofbuch/* ${WURZEL}/src/market/* ${WURZEL}/src/goods/*
  ${WURZEL}/src/livestock/* ${WURZEL}/src/fields/* ${WURZEL}/src/sim/* ${WURZEL}/src/spiel.* ${WURZEL}/src/verlauf.* ${WURZEL}/src/hofbuchspalten.*)
set(funde "")
foreach(q ${quellen})
  file(STRINGS ${q} zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|Qt)")
  if(zeilen)
    list(APPEND funde "${q}: ${zeilen}")
  endif()
endforeach()
if(funde)
  message(FATAL_ERROR "Qt im Kern:\n${funde}")
endif()
message(STATUS "${CMAKE_CURRENT_LIST_FILE}: kein Qt in den Kernquellen")
