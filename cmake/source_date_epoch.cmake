# Included by cpack before it makes a package, which then takes every time
# stamp from SOURCE_DATE_EPOCH. Where the environment does not set it, it is
# the time of the last commit, or outside a git checkout the time of the newest
# release in CHANGELOG.md: the same sources always give the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "")
  if(EXISTS "${CPACK_TYX_SOURCE_DIR}/.git")
    execute_process(COMMAND git -C "${CPACK_TYX_SOURCE_DIR}" log -1 --format=%ct
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    include("${CMAKE_CURRENT_LIST_DIR}/changelog.cmake")
    tyx_newest_release_epoch("${CPACK_TYX_SOURCE_DIR}/CHANGELOG.md" epoch)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
