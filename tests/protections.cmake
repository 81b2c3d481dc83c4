# The protections that a program's headers must show, read with binutils:
#   cmake -DTOOL=readelf|objdump -DPROGRAM=FILE [-DFIXED_ADDRESS=ON] -P protections.cmake
# Windows (objdump): ASLR with high entropy and DEP, and not one endbr64, since
# Windows enforces no indirect-branch tracking. ELF (readelf): a position-
# independent executable, relocations made read-only (RELRO) and bound at
# start (BIND_NOW), and a stack that does not execute; a static program that
# its toolchain could not make position-independent (FIXED_ADDRESS) has no
# dynamic section, and nothing to bind after its start.
if(TOOL MATCHES "objdump")
  execute_process(COMMAND ${TOOL} -p ${PROGRAM} OUTPUT_VARIABLE headers)
  execute_process(COMMAND ${TOOL} -d ${PROGRAM} OUTPUT_VARIABLE code)
  set(expected HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT)
  foreach(property IN LISTS expected)
    if(headers MATCHES "\n[ \t]+${property}\n")
      list(APPEND found ${property})
    endif()
  endforeach()
else()
  execute_process(COMMAND ${TOOL} --wide --file-header --program-headers --dynamic ${PROGRAM}
    OUTPUT_VARIABLE headers)
  set(expected "position-independent (DYN)" RELRO BIND_NOW "stack not executable")
  set(patterns "Type: +DYN" "GNU_RELRO" "\\(FLAGS\\) +BIND_NOW" "GNU_STACK[^\n]* RW +0x")
  if(FIXED_ADDRESS)
    set(expected "fixed address (EXEC)" RELRO "stack not executable")
    set(patterns "Type: +EXEC" "GNU_RELRO" "GNU_STACK[^\n]* RW +0x")
  endif()
  foreach(property pattern IN ZIP_LISTS expected patterns)
    if(headers MATCHES "${pattern}")
      list(APPEND found "${property}")
    endif()
  endforeach()
endif()
list(JOIN found ", " shown)
message("${PROGRAM} has: ${shown}")
set(missing ${expected})
if(found)
  list(REMOVE_ITEM missing ${found})
endif()
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "${PROGRAM} lacks: ${missing}")
endif()
if(code MATCHES "endbr64")
  message(FATAL_ERROR "${PROGRAM} holds endbr64 instructions")
endif()
