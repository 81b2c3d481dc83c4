# 64-bit Windows with Debian's MinGW-w64, on the C runtime that TYX_RUNTIME
# names (a cache variable, or else the environment): a line of
# packaging/windows, which gives the cross compiler's triplet. Run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/rows.cmake)
tyx_row(windows TYX_RUNTIME fields)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TYX_RUNTIME)
list(GET fields 1 tyx_triplet)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# wine64 runs 64-bit programs without a 32-bit Wine; WINEDEBUG=-all keeps
# Wine's own diagnostics out of the programs' output. Debian's wine64 has no
# preloader to reserve Windows' fixed addresses before Linux places its own
# mappings at random, so about one start in a few thousand dies with "failed
# to map the shared user data"; setarch -R gives Wine and every process it
# starts a fixed layout, where that never happens. Containers may refuse it
# (their seccomp profiles reject that personality): Wine then runs as it is.
set(tyx_emulator_program /usr/lib/wine/wine64)
set(tyx_emulator_package wine64)
set(tyx_emulator env WINEDEBUG=-all ${tyx_emulator_program})
execute_process(COMMAND setarch -R true RESULT_VARIABLE refused OUTPUT_QUIET ERROR_QUIET)
if(refused EQUAL 0)
  set(tyx_emulator env WINEDEBUG=-all setarch -R ${tyx_emulator_program})
endif()
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
