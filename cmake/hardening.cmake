# tyx_hardening: the protections that distributions build their packages with,
# for every build of the product rather than only for theirs, as far as the
# toolchain in use has them. Flags that a distribution passes in CFLAGS,
# CXXFLAGS and LDFLAGS come first on the command line and still apply.
include(CheckPIESupported)
include(CheckSourceCompiles)
include(CMakePushCheckState)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain_options.cmake)
check_pie_supported()

add_library(tyx_hardening INTERFACE)
# Executables that link this are position-independent where the format has
# the notion (ELF, Mach-O).
set_property(TARGET tyx_hardening PROPERTY INTERFACE_POSITION_INDEPENDENT_CODE ON)
# At link time too: where the C library lacks the stack protector's and the
# fortified calls' run-time checks (MinGW before v11), it links libssp.
tyx_accepted_options(COMPILE tyx_hardening INTERFACE -fstack-protector-strong)
tyx_accepted_options(LINK tyx_hardening INTERFACE -fstack-protector-strong)

# Windows probes each page of a large stack frame by itself (__chkstk), and
# MinGW's g++ 12 crashes on -fstack-clash-protection (GCC bug 90458).
if(NOT WIN32)
  tyx_accepted_options(COMPILE tyx_hardening INTERFACE -fstack-clash-protection)
endif()

if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  # Relocations made read-only after every symbol is bound at start-up, and a
  # stack that does not execute, asked for rather than left to the
  # toolchain's default (Debian's mips64el one marks it executable).
  tyx_accepted_options(LINK tyx_hardening INTERFACE LINKER:-z,relro LINKER:-z,now LINKER:-z,noexecstack)
  # Indirect-branch tracking and shadow stacks exist on x86 only (compilers
  # for the others reject the option), and only an ELF loader enforces them.
  # They take effect only if the C library is built with them too; where it
  # is not, as on Debian 12, the linked program cannot carry the property,
  # however tyx itself is compiled.
  tyx_accepted_options(COMPILE tyx_hardening INTERFACE -fcf-protection)
elseif(WIN32)
  # Address-space layout randomisation with the whole 64-bit range, and no
  # executable data (DEP). Recent GNU linkers set all three by default.
  tyx_accepted_options(LINK tyx_hardening INTERFACE
    LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)
endif()

# _FORTIFY_SOURCE works through the optimiser and warns without it, so only the
# optimised configurations get it. A level that the toolchain or the flags of
# a language already set stands: some compilers define it themselves when
# optimising, and defining it again would warn and could lower it.
tyx_languages(languages)
foreach(language IN LISTS languages)
  cmake_push_check_state(RESET)
  set(CMAKE_REQUIRED_FLAGS -O2)
  check_source_compiles(${language} [[
#ifdef _FORTIFY_SOURCE
#error the toolchain has chosen a level
#endif
int main(void) { return 0; }]] tyx_${language}_fortify_level_unset)
  cmake_pop_check_state()
  if(tyx_${language}_fortify_level_unset)
    set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
    target_compile_definitions(tyx_hardening INTERFACE
      $<$<AND:$<COMPILE_LANGUAGE:${language}>,${optimised}>:_FORTIFY_SOURCE=2>)
  endif()
endforeach()
