# SPDX-License-Identifier: MIT
# Packages: a Debian package and a .tar.gz of the same files, made from a release build
# by `cpack --preset release`. The files are what `cmake --install` puts under /usr:
# the programs in bin/, their pages compressed in share/man/man1/, and the license and
# changelog in share/doc/graphtools/.
#
# The release programs are i386 code, so the package's architecture is i386 (a 64-bit
# build gives amd64) and it depends on that architecture's C library. On an amd64
# Debian 12 or 13 it installs through multiarch, as root:
#   dpkg --add-architecture i386
#   apt-get update
#   apt-get install ./build/release/graphtools_1.0.0_i386.deb
# which brings libc6:i386 with it. apt-get remove graphtools removes the package's
# files; libc6:i386 stays.
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
add_custom_command(OUTPUT changelog.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/cmake/changelog changelog
                   COMMAND gzip -9nf changelog DEPENDS cmake/changelog VERBATIM)
add_custom_target(changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME graphtools)
set(CPACK_PACKAGE_VENDOR "The graphtools authors")
set(CPACK_PACKAGE_CONTACT "The graphtools authors <graphtools@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graph walks and factorial digits on standard input")
set(CPACK_PACKAGE_DESCRIPTION "Three small programs that each read one problem instance, whitespace-separated
decimal integers, from standard input and print one answer line:
 - splitpath: the smallest T[u] + d(u, v) + T[v] over two different vertices
   u, v of a weighted graph joined by a path, d being the shortest-path length;
 - treedist: the edges a walker crosses visiting every vertex reachable from
   vertex 0 level by level along the breadth-first tree;
 - factdigits: the smallest non-negative integer whose decimal digits'
   factorials add up to n.
The programs refuse bad input with a message naming what is wrong and where.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(TARGET_32BIT)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
else()
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
endif()
set(CPACK_PACKAGE_FILE_NAME graphtools-${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
# The same sources give the same packages: every file and directory has a fixed mode,
# whatever the umask, and every time in a package is SOURCE_DATE_EPOCH, that of the
# caller or else the date of the changelog's newest entry (its first), never the clock.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
file(STRINGS cmake/changelog signoffs REGEX "^ -- .*>  ")
list(GET signoffs 0 newest)
string(REGEX REPLACE "^.*>  " "" date "${newest}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C TZ=UTC date -d "${date}" +%s
                OUTPUT_VARIABLE CPACK_CHANGELOG_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# The C library version the programs need is read off their symbols when the package
# is made, and the time set (cmake/cpack.cmake).
set(CPACK_PROGRAMS ${CMAKE_BINARY_DIR}/splitpath/splitpath ${CMAKE_BINARY_DIR}/treedist/treedist
    ${CMAKE_BINARY_DIR}/factdigits/factdigits)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/repack.cmake)
include(CPack)
