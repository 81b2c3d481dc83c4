# Runs inside CPack after the staging install: Debian ships manual pages
# gzipped. -n leaves out the time stamp, so the package is reproducible.
file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/*.[1-9]")
list(FILTER pages INCLUDE REGEX "/man/man[1-9]/[^/]+$")
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9 -n -f "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT pages)
  message(FATAL_ERROR "no manual page found under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
