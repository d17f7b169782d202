# SPDX-License-Identifier: MIT
# Packages, made from a release build by `cpack --preset release`: a Debian package, its
# debug-symbols package, with the .buildinfo and .changes that record their build, and
# a .tar.gz of the Debian package's files. The files are what `cmake --install` puts
# under /usr: the programs in bin/, their pages compressed in share/man/man1/, and the
# copyright (cmake/copyright) and changelog in share/doc/graphtools/. cpack installs
# them in a staging tree and hands it to cmake/packages.sh (through cmake/cpack.cmake),
# which makes the packages with debhelper; cmake/control holds the package's fields.
#
# The release programs are i386 code, so the package's architecture is i386 (a 64-bit
# build gives amd64) and it depends on that architecture's C library; INSTALL.md says
# how to install it.
install(FILES cmake/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Debian ships a changelog compressed, as gzip -n makes it: no name or time inside.
add_custom_command(OUTPUT changelog.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/cmake/changelog changelog
                   COMMAND gzip -9nf changelog DEPENDS ${PROJECT_SOURCE_DIR}/cmake/changelog VERBATIM)
add_custom_target(changelog_gz ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME graphtools)
if(TARGET_32BIT)
  set(CPACK_PACKAGE_ARCHITECTURE i386)
else()
  set(CPACK_PACKAGE_ARCHITECTURE amd64)
endif()
set(CPACK_PACKAGE_FILE_NAME graphtools-${PROJECT_VERSION}-${CPACK_PACKAGE_ARCHITECTURE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/cpack.cmake)
set(CPACK_GRAPHTOOLS_SOURCE_DIR ${PROJECT_SOURCE_DIR})
get_property(CPACK_GRAPHTOOLS_MAPS GLOBAL PROPERTY program_maps)  # the programs' link maps
include(CPack)
