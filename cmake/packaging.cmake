# Packages: `cmake --workflow --preset package` (a Debian package and an RPM)
# or `cpack` in a build directory; on Windows a zip. Their summary,
# description and maintainer come from the Debian recipe in packaging/debian.
set(control ${PROJECT_SOURCE_DIR}/packaging/debian/control)
tyx_control_field(${control} Maintainer CPACK_PACKAGE_CONTACT)
tyx_control_field(${control} Description description)
string(FIND "${description}" "\n" end_of_summary)
string(SUBSTRING "${description}" 0 ${end_of_summary} CPACK_PACKAGE_DESCRIPTION_SUMMARY)
math(EXPR end_of_summary "${end_of_summary} + 1")
string(SUBSTRING "${description}" ${end_of_summary} -1 CPACK_PACKAGE_DESCRIPTION)

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "The tyx authors")
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
set(CPACK_TYX_SOURCE_DIR ${PROJECT_SOURCE_DIR})

if(WIN32)
  # A zip to unpack anywhere: tyx.exe with the license, README and changelog.
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR})
else()
  set(CPACK_GENERATOR DEB RPM)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  # Gzipped manual pages, and the license and changelog as each format keeps
  # them.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_files.cmake)

  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  tyx_control_field(${control} Section CPACK_DEBIAN_PACKAGE_SECTION)
  tyx_control_field(${control} Priority CPACK_DEBIAN_PACKAGE_PRIORITY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

  set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
  set(CPACK_RPM_PACKAGE_RELEASE 1)
  set(CPACK_RPM_PACKAGE_LICENSE MIT)
  set(CPACK_RPM_PACKAGE_GROUP "Applications/System")
  # RPM's summary is a capitalised phrase.
  string(SUBSTRING "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}" 0 1 first)
  string(SUBSTRING "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}" 1 -1 rest)
  string(TOUPPER "${first}" first)
  set(CPACK_RPM_PACKAGE_SUMMARY "${first}${rest}")
  set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
  set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/man /usr/share/man/man1
    /usr/share/licenses)
  set(CPACK_RPM_USER_FILELIST
    "%license /usr/share/licenses/${PROJECT_NAME}/LICENSE"
    "%doc /usr/share/doc/${PROJECT_NAME}/CHANGELOG.md")
  # The same sources give the same bytes: every time from SOURCE_DATE_EPOCH,
  # and no name of the machine that built it.
  string(CONCAT CPACK_RPM_SPEC_MORE_DEFINE
    "%define packager ${CPACK_PACKAGE_VENDOR}\n"
    "%define _buildhost reproducible\n"
    "%define _build_id_links none\n"
    "%define use_source_date_epoch_as_buildtime 1\n"
    "%define clamp_mtime_to_source_date_epoch 1")
endif()
include(CPack)
