# debian/changelog from CHANGELOG.md, signed by the recipe's maintainer, for
# building with the recipe in packaging/debian. Run from the sources:
#   cp -r packaging/debian debian && cmake -P cmake/write_debian_changelog.cmake
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
tyx_control_field(debian/control Maintainer maintainer)
tyx_debian_changelog(CHANGELOG.md tyx "${maintainer}" changelog)
file(WRITE debian/changelog "${changelog}")
