# i686-linux-gnu with Debian's g++-i686-linux-gnu, run under qemu-i386.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(tyx_triplet i686-linux-gnu)
set(tyx_qemu qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
