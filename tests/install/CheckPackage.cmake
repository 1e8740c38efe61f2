# Makes the Debian package from the build with cpack and checks its files, its control
# fields and lintian's verdict. Lintian's info tags count where they concern the hardening
# flags and the overrides file (an override no longer needed is a stale reason).
# Variables: BUILD_DIR, CPACK, DPKG_DEB, DPKG, LINTIAN, READELF, VERSION, OVERRIDES.
execute_process(COMMAND "${DPKG}" --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${BUILD_DIR}/varelo_${VERSION}_${arch}.deb")
file(REMOVE "${deb}")
execute_process(COMMAND "${CPACK}" -G DEB WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS "${deb}")
  message(FATAL_ERROR "cpack -G DEB did not make ${deb}: ${out}${err}")
endif()

execute_process(COMMAND "${DPKG_DEB}" -c "${deb}" OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c failed")
endif()
set(files
  bin/varelo
  share/applications/org.example.varelo.desktop
  share/metainfo/org.example.varelo.metainfo.xml
  share/icons/hicolor/scalable/apps/varelo.svg
  share/icons/hicolor/48x48/apps/varelo.png
  share/icons/hicolor/64x64/apps/varelo.png
  share/icons/hicolor/128x128/apps/varelo.png
  share/icons/hicolor/256x256/apps/varelo.png
  share/mime/packages/varelo.xml
  share/man/man1/varelo.1.gz
  share/man/de/man1/varelo.1.gz
  share/doc/varelo/copyright
  share/doc/varelo/changelog.gz
  share/lintian/overrides/varelo
  share/varelo/lessons/hohlspiegel-kaustik.varelo
  share/varelo/lessons/ebener-spiegel.varelo
  share/varelo/lessons/totalreflexion.varelo
  share/varelo/lessons/scheinbare-tiefe.varelo
  share/varelo/lessons/aberration.varelo
  share/varelo/lessons/glaskugel.varelo)
foreach(f ${files})
  string(REPLACE "." "\\." re "${f}")
  if(NOT contents MATCHES " \\./usr/${re}\n")
    message(FATAL_ERROR "the package lacks /usr/${f}:\n${contents}")
  endif()
endforeach()
# Everything belongs to root, and the program is executable by all.
string(REGEX MATCHALL "[^\n]+" entries "${contents}")
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES "^[-d]r[-w][-x]r-[-x]r-[-x] root/root ")
    message(FATAL_ERROR "wrong owner or mode in the package: ${entry}")
  endif()
endforeach()
if(NOT contents MATCHES "-rwxr-xr-x root/root [^\n]* \\./usr/bin/varelo\n")
  message(FATAL_ERROR "/usr/bin/varelo is not executable by all:\n${contents}")
endif()

execute_process(COMMAND "${DPKG_DEB}" -I "${deb}" OUTPUT_VARIABLE info RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -I failed")
endif()
string(REPLACE "." "\\." version_re "${VERSION}")
foreach(field
    "Package: varelo"
    "Version: ${version_re}"
    "Architecture: ${arch}"
    "Section: education"
    "Priority: optional"
    "Maintainer: [^\n<]+ <[^@\n]+@[^>\n]+>"
    "Depends: [^\n]*libc6 [^\n]*libqt6widgets6 "
    "Recommends: qt6-translations-l10n"
    "Description: [a-z][^\n]+\n  [A-Z]")
  if(NOT info MATCHES "\n ${field}")
    message(FATAL_ERROR "dpkg-deb -I lacks \"${field}\":\n${info}")
  endif()
endforeach()

# Every override follows, within its block, a comment giving the reason.
file(STRINGS "${OVERRIDES}" lines)
set(reason FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^# .")
    set(reason TRUE)
  elseif(line STREQUAL "")
    set(reason FALSE)
  elseif(NOT reason)
    message(FATAL_ERROR "lintian override without a reason: ${line}")
  endif()
endforeach()

execute_process(COMMAND "${LINTIAN}" --display-info "${deb}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCHALL "(^|\n)([EW]: [^\n]*|I: [^\n]*(hardening|override)[^\n]*)" tags "${out}")
if(tags OR out MATCHES "(^|\n)[EW]:")
  message(FATAL_ERROR "lintian:\n${out}${err}")
endif()

# The hardening, read from the packaged program itself: position independent, relocations
# bound at start and read-only after, fortified calls and the stack protector linked in.
set(unpacked "${BUILD_DIR}/deb-unpacked")
file(REMOVE_RECURSE "${unpacked}")
execute_process(COMMAND "${DPKG_DEB}" -x "${deb}" "${unpacked}" RESULT_VARIABLE rc)
execute_process(COMMAND "${READELF}" -W -h -l -d --dyn-syms "${unpacked}/usr/bin/varelo"
                OUTPUT_VARIABLE elf RESULT_VARIABLE rc2)
file(REMOVE_RECURSE "${unpacked}")
if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "cannot read the packaged /usr/bin/varelo")
endif()
foreach(mark "Type: +DYN" "GNU_RELRO" "\\(FLAGS_1\\)[^\n]*NOW" "__stack_chk_fail" "__[a-z]+_chk@")
  if(NOT elf MATCHES "${mark}")
    message(FATAL_ERROR "the packaged program lacks ${mark}")
  endif()
endforeach()
