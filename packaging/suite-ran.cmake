# That a package build ran its whole suite and that nothing of it failed:
#   cmake -DBUILD=FOLDER -DJUNIT=FILE -P packaging/suite-ran.cmake
# FOLDER is the build's folder, FILE what the recipe's `ctest --output-junit`
# wrote there. Every test that ctest knows in FOLDER, but the start-up budget
# (label startup, a benchmark the recipes leave out), must be in the report,
# run or skipped by its own word, and the report must count no failure. So a
# filtered run, a tolerated failure and a recipe that runs no test all fail.
cmake_minimum_required(VERSION 3.25)
get_filename_component(bin ${CMAKE_COMMAND} DIRECTORY)
execute_process(COMMAND ${bin}/ctest --test-dir ${BUILD} --show-only=json-v1 -LE startup
  OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
string(JSON count LENGTH "${listed}" tests)
if(NOT EXISTS "${JUNIT}" OR count EQUAL 0)
  message(FATAL_ERROR "${BUILD}: ${count} tests, and no report of a run in ${JUNIT}")
endif()
file(READ ${JUNIT} report)
if(NOT report MATCHES "<testsuite[^>]*[ \t\n]failures=\"0\"" OR report MATCHES " status=\"fail\"")
  message(FATAL_ERROR "${JUNIT} counts failures")
endif()
math(EXPR last "${count} - 1")
set(missing "")
foreach(index RANGE ${last})
  string(JSON name GET "${listed}" tests ${index} name)
  foreach(pair "&;&amp;" "<;&lt;" ">;&gt;" "\";&quot;")
    list(GET pair 0 raw)
    list(GET pair 1 escaped)
    string(REPLACE "${raw}" "${escaped}" name "${name}")
  endforeach()
  string(FIND "${report}" "<testcase name=\"${name}\"" at)
  if(at EQUAL -1)
    list(APPEND missing "${name}")
  endif()
endforeach()
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "${JUNIT}: these tests did not run: ${missing}")
endif()
string(REGEX MATCHALL "<testcase " cases "${report}")
string(REGEX MATCH "[ \t\n]skipped=\"([0-9]+)\"" _ "${report}")
list(LENGTH cases ran)
message("verdict: the suite ran whole, ${ran} of ${count} tests, none failed, "
  "${CMAKE_MATCH_1} skipped by their own word")
