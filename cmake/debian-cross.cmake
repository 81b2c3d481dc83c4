# Cross-compiling with Debian's cross compilers (g++-TRIPLET), whose target C
# library lives in /usr/TRIPLET, and running the results under an emulator
# (qemu-NAME for Linux, Wine for Windows), so that ctest runs the tests on the
# host. Included by the toolchain files, which set tyx_triplet, and to cross-
# compile CMAKE_SYSTEM_NAME, CMAKE_SYSTEM_PROCESSOR and either tyx_qemu or
# tyx_emulator; without an emulator the compilers are the build machine's
# own, and nothing else is set.

# Where a toolchain comes in two thread models, the POSIX one: GoogleTest needs
# std::mutex, which only it has. tyx itself uses no threads.
find_program(CMAKE_C_COMPILER NAMES ${tyx_triplet}-gcc-posix ${tyx_triplet}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${tyx_triplet}-g++-posix ${tyx_triplet}-g++ REQUIRED)
if(NOT DEFINED tyx_qemu AND NOT DEFINED tyx_emulator)
  return()
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${tyx_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# qemu's -L: the target's dynamic loader and libraries are found under this
# prefix; tyx_qemu_cpu, where set, names the processor model.
if(NOT DEFINED tyx_emulator)
  set(tyx_emulator_program ${tyx_qemu})
  set(tyx_emulator_package qemu-user)
  set(tyx_emulator ${tyx_qemu} ${tyx_qemu_cpu} -L /usr/${tyx_triplet})
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${tyx_emulator})
