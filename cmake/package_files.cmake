# Runs inside CPack after the staging install and adds what distributions ask
# of a package: gzipped manual pages, and the license and changelog, in
# /usr/share/doc/<package> as Debian has them or as documentation files of an
# RPM. gzip -n leaves out names and time stamps, so the package is
# reproducible.
include("${CMAKE_CURRENT_LIST_DIR}/changelog.cmake")

file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/*.[1-9]")
list(FILTER pages INCLUDE REGEX "/man/man[1-9]/[^/]+$")
if(NOT pages)
  message(FATAL_ERROR "no manual page found under ${CPACK_TEMPORARY_DIRECTORY}")
endif()

set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${usr}/share/doc/${CPACK_PACKAGE_NAME}")
set(compressed ${pages})
if(CPACK_GENERATOR STREQUAL "DEB")
  # The recipe's copyright file, and a native package's changelog.gz.
  file(COPY "${CPACK_TYX_SOURCE_DIR}/packaging/debian/copyright" DESTINATION "${doc}")
  tyx_debian_changelog("${CPACK_TYX_SOURCE_DIR}/CHANGELOG.md" "${CPACK_PACKAGE_NAME}"
    "${CPACK_PACKAGE_CONTACT}" changelog)
  file(WRITE "${doc}/changelog" "${changelog}")
  list(APPEND compressed "${doc}/changelog")
else()
  file(COPY "${CPACK_TYX_SOURCE_DIR}/LICENSE" DESTINATION "${usr}/share/licenses/${CPACK_PACKAGE_NAME}")
  file(COPY "${CPACK_TYX_SOURCE_DIR}/CHANGELOG.md" DESTINATION "${doc}")
endif()

foreach(file IN LISTS compressed)
  execute_process(COMMAND gzip -9 -n -f "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
