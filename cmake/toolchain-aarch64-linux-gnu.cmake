# aarch64-linux-gnu with Debian's g++-aarch64-linux-gnu, run under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(tyx_triplet aarch64-linux-gnu)
set(tyx_qemu qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
