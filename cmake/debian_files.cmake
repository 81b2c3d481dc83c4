# Runs inside CPack after the staging install and adds what Debian asks of a
# package: gzipped manual pages, and the copyright file and changelog in
# /usr/share/doc/<package>. gzip -n leaves out names and time stamps, so the
# package is reproducible.
include("${CMAKE_CURRENT_LIST_DIR}/changelog.cmake")

file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/*.[1-9]")
list(FILTER pages INCLUDE REGEX "/man/man[1-9]/[^/]+$")
if(NOT pages)
  message(FATAL_ERROR "no manual page found under ${CPACK_TEMPORARY_DIRECTORY}")
endif()

set(doc "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")

# The license in Debian's machine-readable copyright format, where a blank line
# of the text is written as " .". Debian calls the MIT license "Expat".
file(READ "${CPACK_TYX_SOURCE_DIR}/LICENSE" license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${license}")
set(holders "${CMAKE_MATCH_1}")
string(FIND "${license}" "Permission is hereby granted" start)
string(SUBSTRING "${license}" ${start} -1 license)
string(STRIP "${license}" license)
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
file(WRITE "${doc}/copyright"
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: ${CPACK_PACKAGE_NAME}\n"
  "\n"
  "Files: *\n"
  "Copyright: ${holders}\n"
  "License: Expat\n"
  " ${license}\n")

# A native package's changelog is changelog.gz.
tyx_debian_changelog("${CPACK_TYX_SOURCE_DIR}/CHANGELOG.md" "${CPACK_PACKAGE_NAME}"
  "${CPACK_PACKAGE_CONTACT}" changelog)
file(WRITE "${doc}/changelog" "${changelog}")

foreach(file IN LISTS pages ITEMS "${doc}/changelog")
  execute_process(COMMAND gzip -9 -n -f "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
