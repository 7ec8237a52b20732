# Fails unless the module's dynamic symbol table holds exactly the seven exports.
execute_process(COMMAND nm -D --defined-only ${MODUL} OUTPUT_VARIABLE ausgabe RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${MODUL}")
endif()
string(REGEX MATCHALL "[^ \n]+\n" zeilen "${ausgabe}")
set(namen)
foreach(zeile ${zeilen})
  string(STRIP "${zeile}" name)
  list(APPEND namen ${name})
endforeach()
list(SORT namen)
set(erwartet getVeskSharedLibFileversion getVeskSharedLibProductversion vesk_plugin2_initialize
    vesk_plugin_get_fehlertext_service vesk_plugin_get_finanzamts_daten_service
    vesk_plugin_get_schema_validation_service vesk_plugin_get_types)
if(NOT namen STREQUAL erwartet)
  message(FATAL_ERROR "exported: ${namen}\nexpected: ${erwartet}")
endif()
message(STATUS "7 exports, nothing else visible")
