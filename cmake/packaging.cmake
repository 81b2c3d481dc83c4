# The Debian package: `cmake --workflow --preset package`, or `cpack` in a
# build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tyx)
set(CPACK_PACKAGE_VENDOR "tyx maintainers")
set(CPACK_PACKAGE_CONTACT "tyx maintainers <maintainers@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print the calendar of one month")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "tyx prints the calendar of one month: the current month, a month of the current\n"
  "year, or any month of the years 1800 to 3000 in the Gregorian calendar. Its\n"
  "output is a header and grid lines of seven three-character cells, Sunday first.\n"
  "It starts about as fast as a C program that only writes the same text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
if(WIN32)
  # A zip to unpack anywhere: tyx.exe with the license, README and changelog.
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR})
else()
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_files.cmake)
endif()
set(CPACK_TYX_SOURCE_DIR ${PROJECT_SOURCE_DIR})
include(CPack)
