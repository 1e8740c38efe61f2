# Checks the translation file.
#   -DMODE=complete -DLRELEASE=... -DTS=... -DWORK=...
#       lrelease's summary shows no unfinished and no untranslated text.
#   -DMODE=current -DLUPDATE=... -DTS=... -DSOURCES=list -DOPTIONS="..." -DWORK=...
#       lupdate run on a copy with the build's options and sources leaves it unchanged.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(ts_name "${TS}" NAME)

if(MODE STREQUAL "complete")
  execute_process(COMMAND "${LRELEASE}" "${TS}" -qm "${WORK}/check.qm"
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  message("${out}${err}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lrelease failed on ${TS}")
  endif()
  if(NOT out MATCHES "Generated [0-9]+ translation\\(s\\) \\([0-9]+ finished and 0 unfinished\\)")
    message(FATAL_ERROR "${ts_name} has unfinished translations")
  endif()
  if(out MATCHES "untranslated")
    message(FATAL_ERROR "${ts_name} has untranslated texts")
  endif()
elseif(MODE STREQUAL "current")
  file(COPY "${TS}" DESTINATION "${WORK}")
  separate_arguments(options UNIX_COMMAND "${OPTIONS}")
  execute_process(COMMAND "${LUPDATE}" ${options} "@${SOURCES}" -ts "${WORK}/${ts_name}"
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  message("${out}${err}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${TS}" "${WORK}/${ts_name}" RESULT_VARIABLE differ)
  if(differ)
    find_program(DIFF diff)
    if(DIFF)
      execute_process(COMMAND "${DIFF}" -u "${TS}" "${WORK}/${ts_name}")
    endif()
    message(FATAL_ERROR "${ts_name} is not up to date with the code: run "
                        "'cmake --build build --target update_translations' and translate what is new")
  endif()
else()
  message(FATAL_ERROR "MODE must be complete or current")
endif()
