# s390x-linux-gnu with Debian's g++-s390x-linux-gnu, run under qemu-s390x.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(tyx_triplet s390x-linux-gnu)
set(tyx_qemu qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
