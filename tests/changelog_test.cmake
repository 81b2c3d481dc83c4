# The version and date come from the newest released heading of the changelog,
# below an Unreleased section if there is one.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/changelog.cmake)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog_test.md)
file(WRITE ${changelog} "# Changelog\n\n## Unreleased\n\n- Next.\n\n"
  "## 2.1.0 - 2027-01-02 03:04\n\n- Second.\n\n## 2.0.0 - 2027-01-01\n\n- First.\n")
tyx_newest_release(${changelog} version date)
if(NOT version STREQUAL "2.1.0" OR NOT date STREQUAL "2027-01-02")
  message(FATAL_ERROR "read version '${version}' of '${date}', not 2.1.0 of 2027-01-02")
endif()
