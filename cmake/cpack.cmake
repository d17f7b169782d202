# SPDX-License-Identifier: MIT
# Run by cpack for each package it makes. Its times are SOURCE_DATE_EPOCH, by default
# the changelog's date (cmake/package.cmake), and the Debian package depends on the C
# library from the newest GLIBC symbol version any of the programs uses.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_CHANGELOG_EPOCH})
endif()
if(CPACK_GENERATOR STREQUAL "DEB")
  execute_process(COMMAND objdump -T ${CPACK_PROGRAMS} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "GLIBC_[0-9.]+" versions "${symbols}")
  list(TRANSFORM versions REPLACE "GLIBC_" "")
  list(SORT versions COMPARE NATURAL ORDER DESCENDING)
  list(GET versions 0 newest)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= ${newest})")
endif()
