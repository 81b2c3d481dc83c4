# Options that not every toolchain has. Each is tried with the compiler or the
# linker of each language in use first, and one it rejects (or accepts only
# with a warning) is left out for that language: the build never fails on it.
include(CheckCompilerFlag)
include(CheckLinkerFlag)

# The languages that tyx's targets are written in and that are enabled.
function(tyx_languages out)
  get_property(languages GLOBAL PROPERTY ENABLED_LANGUAGES)
  list(FILTER languages INCLUDE REGEX "^(C|CXX)$")
  set(${out} ${languages} PARENT_SCOPE)
endfunction()

# tyx_accepted_options(COMPILE|LINK TARGET SCOPE OPTION...) adds to TARGET's
# compile or link options, with SCOPE (PRIVATE, INTERFACE, ...), each OPTION
# for the sources or links of each language whose toolchain accepts it.
function(tyx_accepted_options kind target scope)
  tyx_languages(languages)
  foreach(language IN LISTS languages)
    foreach(option IN LISTS ARGN)
      string(MAKE_C_IDENTIFIER "tyx_${language}_${kind}_accepts_${option}" accepted)
      if(kind STREQUAL "COMPILE")
        check_compiler_flag(${language} "${option}" ${accepted})
        if(${accepted})
          target_compile_options(${target} ${scope} $<$<COMPILE_LANGUAGE:${language}>:${option}>)
        endif()
      else()
        check_linker_flag(${language} "${option}" ${accepted})
        if(${accepted})
          target_link_options(${target} ${scope} $<$<LINK_LANGUAGE:${language}>:${option}>)
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
