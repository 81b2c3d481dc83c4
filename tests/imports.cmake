# The shared libraries that a program needs, read from its headers with
# binutils, must all be ones that every system of its kind has: no C++ or GCC
# runtime, no DLL that only some Windows have. A static program needs none and
# names no program interpreter.
#   cmake -DTOOL=readelf|objdump -DPROGRAM=FILE -DALLOWED=REGEX [-DSTATIC=ON] -P imports.cmake
if(TOOL MATCHES "objdump")
  set(headers_of -p)
  set(entry "DLL Name: ")
else()
  set(headers_of --wide --dynamic --program-headers)
  set(entry "Shared library: ")
endif()
execute_process(COMMAND ${TOOL} ${headers_of} ${PROGRAM} OUTPUT_VARIABLE headers
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${TOOL} cannot read ${PROGRAM}")
endif()
# readelf brackets each name, and a bracket would keep CMake from splitting
# the list.
string(REPLACE "[" "" headers "${headers}")
string(REGEX MATCHALL "${entry}[A-Za-z0-9_.+-]+" needed "${headers}")
list(TRANSFORM needed REPLACE "^${entry}" "")
list(JOIN needed ", " shown)
message("${PROGRAM} needs: ${shown}")
if(STATIC)
  if(needed OR headers MATCHES "program interpreter")
    message(FATAL_ERROR "a static program needs no shared library and no interpreter")
  endif()
  return()
endif()
set(others ${needed})
list(FILTER others EXCLUDE REGEX "^(${ALLOWED})$")
if(NOT needed OR others)
  list(JOIN others ", " others)
  message(FATAL_ERROR "not every system has: ${others}")
endif()
