# Linux on one architecture of packaging/architectures, named by its Debian
# name in TYX_ARCH (a cache variable, or else the environment): cross-built
# with Debian's g++-TRIPLET and run under qemu-NAME on the line's first (its
# oldest) processor model, or built natively where the build machine is of
# that architecture.
include(${CMAKE_CURRENT_LIST_DIR}/rows.cmake)
tyx_row(architectures TYX_ARCH fields)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TYX_ARCH)
list(GET fields 1 tyx_triplet)
list(GET fields 2 qemu)
list(GET fields 3 uname_m)
list(GET fields 4 models)
if(NOT uname_m STREQUAL CMAKE_HOST_SYSTEM_PROCESSOR)
  set(CMAKE_SYSTEM_NAME Linux)
  set(CMAKE_SYSTEM_PROCESSOR ${uname_m})
  set(tyx_qemu qemu-${qemu})
  string(REGEX REPLACE ",.*" "" model "${models}")
  if(NOT model STREQUAL "-")
    set(tyx_qemu_cpu -cpu ${model})
  endif()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
