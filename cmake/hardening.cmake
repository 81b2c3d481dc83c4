# tyx_hardening: the protections that distributions build their packages with,
# for every build of the product rather than only for theirs. Flags that a
# distribution passes in CFLAGS, CXXFLAGS and LDFLAGS come first on the command
# line and still apply.
include(CheckPIESupported)
check_pie_supported()

add_library(tyx_hardening INTERFACE)
# Executables that link this are built as PIE.
set_property(TARGET tyx_hardening PROPERTY INTERFACE_POSITION_INDEPENDENT_CODE ON)
target_compile_options(tyx_hardening INTERFACE
  -fstack-protector-strong
  -fstack-clash-protection)
target_link_options(tyx_hardening INTERFACE LINKER:-z,relro LINKER:-z,now)

# Indirect-branch tracking and shadow stacks exist on x86 only. They take
# effect only if the C library is built with them too; where it is not, as on
# Debian 12, the linked program cannot carry the property, however tyx itself
# is compiled.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86|x86)$")
  target_compile_options(tyx_hardening INTERFACE -fcf-protection)
endif()

# _FORTIFY_SOURCE works through the optimiser and warns without it, so only the
# optimised configurations get it. A level the distribution chose stands.
if(NOT "${CMAKE_C_FLAGS} ${CMAKE_CXX_FLAGS}" MATCHES "_FORTIFY_SOURCE")
  target_compile_definitions(tyx_hardening INTERFACE
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()
