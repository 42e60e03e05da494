# Regenerates the music into AUSGABE and compares it with resources/trevo.mid.
execute_process(COMMAND ${PYTHON} ${WURZEL}/tools/musik_erzeugen.py ${AUSGABE}
  RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "tools/musik_erzeugen.py schlug fehl: ${ergebnis}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${AUSGABE} ${WURZEL}/resources/trevo.mid
  RESULT_VARIABLE verschieden)
if(NOT verschieden EQUAL 0)
  message(FATAL_ERROR "resources/trevo.mid ist nicht die Ausgabe von tools/musik_erzeugen.py; "
    "bitte neu erzeugen (siehe tools/README.md)")
endif()
