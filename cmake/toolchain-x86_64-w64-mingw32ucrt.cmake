# 64-bit Windows with the Universal C Runtime, which every Windows 10 and later
# has: Debian's g++-mingw-w64-ucrt64, run under Wine.
set(tyx_triplet x86_64-w64-mingw32ucrt)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-x86_64-w64-mingw32.cmake)
