# Formats a manual page as man does and fails on any message from groff or man (a bad
# request, a line that cannot be broken, a character the page's encoding lacks).
# Variables: MAN, PAGE.
set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANWIDTH} 80)
execute_process(COMMAND "${MAN}" --warnings -l "${PAGE}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "man --warnings -l ${PAGE}: ${err}")
endif()
# A page that formats to nothing (a wrong file) has no NAME section either.
if(NOT out MATCHES "varelo")
  message(FATAL_ERROR "${PAGE} does not format to a page about varelo")
endif()
