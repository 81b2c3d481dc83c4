# Options that not every toolchain has. Each is tried with the compiler or the
# linker in use first, and one it rejects (or accepts only with a warning) is
# left out: the build never fails on it.
include(CheckCompilerFlag)
include(CheckLinkerFlag)

# tyx_accepted_options(COMPILE|LINK TARGET SCOPE OPTION...) adds to TARGET's
# compile or link options, with SCOPE (PRIVATE, INTERFACE, ...), each OPTION
# that the C++ toolchain accepts.
function(tyx_accepted_options kind target scope)
  foreach(option IN LISTS ARGN)
    string(MAKE_C_IDENTIFIER "tyx_${kind}_accepts_${option}" accepted)
    if(kind STREQUAL "COMPILE")
      check_compiler_flag(CXX "${option}" ${accepted})
      if(${accepted})
        target_compile_options(${target} ${scope} ${option})
      endif()
    else()
      check_linker_flag(CXX "${option}" ${accepted})
      if(${accepted})
        target_link_options(${target} ${scope} ${option})
      endif()
    endif()
  endforeach()
endfunction()
