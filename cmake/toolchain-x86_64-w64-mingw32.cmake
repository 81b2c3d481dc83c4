# 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64, whose C runtime
# is msvcrt), run under Wine. toolchain-x86_64-w64-mingw32ucrt.cmake names the
# triplet of the Universal C Runtime's compiler before including this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
if(NOT tyx_triplet)
  set(tyx_triplet x86_64-w64-mingw32)
endif()
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
