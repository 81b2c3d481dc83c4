# Included by cpack before it makes the zip, which then takes every time stamp
# from SOURCE_DATE_EPOCH. Where the environment does not set it, it is the time
# of the last commit, or in a release tarball (whose files all carry that time)
# CHANGELOG.md's: the same sources always give the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "")
  if(EXISTS "${CPACK_TYX_SOURCE_DIR}/.git")
    execute_process(COMMAND git -C "${CPACK_TYX_SOURCE_DIR}" log -1 --format=%ct
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    file(TIMESTAMP "${CPACK_TYX_SOURCE_DIR}/CHANGELOG.md" epoch %s UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
