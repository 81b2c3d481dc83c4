# The version and the date (YYYY-MM-DD) of the newest release: written once, in
# the newest heading of CHANGELOG.md ("## VERSION - YYYY-MM-DD", with " HH:MM"
# in UTC after a second release on one day), and taken from there. An
# "## Unreleased" section above it, for what is written between releases, is
# no release.
function(tyx_newest_release changelog version_out date_out)
  file(STRINGS "${changelog}" headings REGEX "^## ")
  list(FILTER headings EXCLUDE REGEX "^## Unreleased$")
  list(GET headings 0 newest)
  if(NOT newest MATCHES "^## ([^ ]+) - ([0-9]+-[0-9]+-[0-9]+)( [0-9]+:[0-9]+)?$")
    message(FATAL_ERROR "${changelog}: '${newest}' is not '## VERSION - YYYY-MM-DD'")
  endif()
  set(${version_out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  set(${date_out} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()
