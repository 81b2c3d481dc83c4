# CHANGELOG.md, and the Debian recipe's control file, read as data. A release begins with the heading
# "## VERSION - YYYY-MM-DD", or "## VERSION - YYYY-MM-DD HH:MM" for a second
# release on one day, in UTC; its items begin with "- " and go on in lines
# indented by two spaces.
set(tyx_release_heading "^## ([^ ]+) - ([0-9]+-[0-9]+-[0-9]+( [0-9]+:[0-9]+)?)$")

# `when`, a release's date and time, in the date(1) `format`.
function(tyx_format_time when format out)
  execute_process(COMMAND date -u -d "${when} UTC" "${format}"
    OUTPUT_VARIABLE formatted OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${formatted}" PARENT_SCOPE)
endfunction()

# The time of the newest release, as seconds since 1970.
function(tyx_newest_release_epoch changelog out)
  tyx_newest_release("${changelog}" version date when)
  tyx_format_time("${when}" +%s epoch)
  set(${out} ${epoch} PARENT_SCOPE)
endfunction()

# The same releases in the form of a Debian changelog, each entry signed by
# `maintainer` at the time of its release.
function(tyx_debian_changelog changelog package maintainer out)
  file(STRINGS "${changelog}" lines)
  set(text "")
  set(signature "")
  foreach(line IN LISTS lines)
    if(line MATCHES "${tyx_release_heading}")
      tyx_format_time("${CMAKE_MATCH_2}" -R released)
      string(APPEND text "${signature}${package} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
      set(signature "\n -- ${maintainer}  ${released}\n\n")
    elseif(line MATCHES "^## ")
      message(FATAL_ERROR "${changelog}: '${line}' is not '## VERSION - YYYY-MM-DD'")
    elseif(signature AND line MATCHES "^- (.*)")
      string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(signature AND line MATCHES "^  (.*)")
      string(APPEND text "    ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  string(APPEND text "${signature}")
  string(STRIP "${text}" text)
  set(${out} "${text}\n" PARENT_SCOPE)
endfunction()

# The version, the date (YYYY-MM-DD) and the date and time as written of the
# newest release: written once, in its heading, and taken from there by
# everything else.
function(tyx_newest_release changelog version_out date_out when_out)
  file(STRINGS "${changelog}" headings REGEX "^## ")
  list(GET headings 0 newest)
  if(NOT newest MATCHES "${tyx_release_heading}")
    message(FATAL_ERROR "${changelog}: '${newest}' is not '## VERSION - YYYY-MM-DD'")
  endif()
  set(${version_out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  string(SUBSTRING "${CMAKE_MATCH_2}" 0 10 date)
  set(${date_out} "${date}" PARENT_SCOPE)
  set(${when_out} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()

# A field of the Debian recipe's control file, its continuation lines joined
# with newlines.
function(tyx_control_field control field out)
  file(STRINGS "${control}" lines)
  set(value "")
  set(inside FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^${field}: (.*)")
      set(value "${CMAKE_MATCH_1}")
      set(inside TRUE)
    elseif(inside AND line MATCHES "^ (.*)")
      string(APPEND value "\n${CMAKE_MATCH_1}")
    else()
      set(inside FALSE)
    endif()
  endforeach()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
