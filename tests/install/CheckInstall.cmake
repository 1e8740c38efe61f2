# Installs the build into a fresh prefix and checks the installed desktop entry and lesson
# file type with the desktop's own tools. Neither tool fails on every fault by its exit code
# (update-mime-database skips a broken package file with a message and exit code 0), so their
# messages count as failures too.
# Variables: BUILD_DIR, PREFIX, DESKTOP_FILE_VALIDATE, UPDATE_MIME_DATABASE.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

set(share "${PREFIX}/share")
foreach(f applications/org.example.varelo.desktop mime/packages/varelo.xml icons/hicolor/scalable/apps/varelo.svg
          metainfo/org.example.varelo.metainfo.xml man/man1/varelo.1.gz man/de/man1/varelo.1.gz
          doc/varelo/copyright doc/varelo/changelog.gz
          varelo/lessons/hohlspiegel-kaustik.varelo varelo/lessons/ebener-spiegel.varelo
          varelo/lessons/totalreflexion.varelo varelo/lessons/scheinbare-tiefe.varelo
          varelo/lessons/aberration.varelo varelo/lessons/glaskugel.varelo)
  if(NOT EXISTS "${share}/${f}")
    message(FATAL_ERROR "not installed: share/${f}")
  endif()
endforeach()

# Each bitmap icon is a PNG of the size its folder names (menus pick them by folder).
foreach(size 48 64 128 256)
  set(png "${share}/icons/hicolor/${size}x${size}/apps/varelo.png")
  if(NOT EXISTS "${png}")
    message(FATAL_ERROR "not installed: ${png}")
  endif()
  file(READ "${png}" header LIMIT 24 HEX)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${expected}" 2 -1 hex)
  string(LENGTH "${hex}" n)
  while(n LESS 8)
    string(PREPEND hex "0")
    math(EXPR n "${n} + 1")
  endwhile()
  string(TOLOWER "${hex}" hex)
  if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${hex}${hex}")
    message(FATAL_ERROR "${png} is not a ${size} px PNG: ${header}")
  endif()
endforeach()

execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${share}/applications/org.example.varelo.desktop"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
# Hints too: a sound entry draws no message at all.
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}${err}")
endif()

# With the prefix on the search path the tool has nothing to say about a sound package.
set(ENV{XDG_DATA_DIRS} "${share}:/usr/share")
execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${share}/mime"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "update-mime-database: ${out}${err}")
endif()
# The database it built must know the type: its glob, its parent and its icon.
foreach(pair "globs2|application/x-varelo-lesson:\\*\\.varelo"
             "subclasses|application/x-varelo-lesson application/json"
             "icons|application/x-varelo-lesson:varelo")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 pattern)
  file(READ "${share}/mime/${name}" text)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "share/mime/${name} lacks ${pattern}")
  endif()
endforeach()
