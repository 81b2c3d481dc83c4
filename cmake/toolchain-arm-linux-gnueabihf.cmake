# 32-bit ARM with hard float (armv7) with Debian's g++-arm-linux-gnueabihf,
# run under qemu-arm. The processor is named as such a system's uname -m
# names it.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(tyx_triplet arm-linux-gnueabihf)
set(tyx_qemu qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
