# tyx_row(TABLE VARIABLE OUT): the fields of the line of TABLE (a file of packaging/, a line a row,
# `#` to the end of a line a comment) whose first field is the value of VARIABLE, as a list in OUT.
# VARIABLE is a cache variable, or else in the environment; one that names no line stops the
# configuration, naming those there are.
function(tyx_row table variable out)
  set(key "${${variable}}")
  if(NOT key)
    set(key "$ENV{${variable}}")
  endif()
  file(STRINGS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../packaging/${table} rows REGEX "^[a-z0-9]")
  foreach(row IN LISTS rows)
    string(REGEX REPLACE "[ \t]*#.*" "" row "${row}")
    separate_arguments(fields UNIX_COMMAND "${row}")
    list(GET fields 0 name)
    list(APPEND known ${name})
    if(name STREQUAL key)
      set(${variable} ${key} PARENT_SCOPE)
      set(${out} ${fields} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  list(JOIN known " " known)
  message(FATAL_ERROR "${variable} is '${key}': set it to one of ${known} (packaging/${table})")
endfunction()
