# Cross-compiling with Debian's cross compilers (g++-TRIPLET), whose target C
# library lives in /usr/TRIPLET, and running the results under qemu-user
# (qemu-ARCH), so that ctest runs the tests on the host. Included by the
# toolchain files, which set tyx_triplet, tyx_qemu and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${tyx_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${tyx_triplet}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${tyx_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -L: the target's dynamic loader and libraries are found under this prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${tyx_qemu} -L /usr/${tyx_triplet})
