# SPDX-License-Identifier: MIT
# How the programs are built: the settings below belong to each program's own target.
# A compile line holds the targets' definitions (VERSION, CAPACITY_BITS) first, then
# CMAKE_CXX_FLAGS (or CXXFLAGS), then the build type's flags (Release: -O2 -DNDEBUG),
# then these, and the later wins where two disagree: -m64 or -O0 given in
# CMAKE_CXX_FLAGS changes nothing, a -D given there replaces a definition; the options
# below, the build type and the presets choose the build. The test runner, a host tool,
# takes none of these settings.
#   TARGET_32BIT  ON (default): 32-bit x86, the target platform; OFF: native 64-bit.
#   CHECKS        recover (default): undefined-behaviour checks that report on standard
#                 error and let the program carry on; strict: AddressSanitizer and UBSan,
#                 a report ends the program; none: no checks (the benchmark's ratio only).
# Always: a position-independent executable, -Wall -Wextra, debug information (-g: the
# packages strip it into a debug-symbols package), --as-needed (no shared library that
# a program does not use, but for libm in the clang builds with UB checks: clang names
# it, with --no-as-needed, for its sanitizer runtime), a link map beside each program
# (NAME.map: the packages' Static-Built-Using is read from it), and the source and build
# directories mapped out of the file names that the debug information holds, so that
# it depends on neither where the tree lies nor where it is built, nor with which
# generator (GCC takes the last mapping that matches: the build directory's, where it
# lies inside the tree). That mapping does not reach the file names in the UB checks'
# reports (GCC 12, clang 14): each source names itself there by its place in the tree
# with a #line directive on its first line (tests/sources.sh checks the lines).
# Outside the strict build, libstdc++, libgcc and GCC's UB-check runtime are linked in
# statically (clang links its sanitizer runtimes statically anyway). The recover build,
# which the packages hold, is also hardened as Debian's packages are with
# hardening=+all.
option(TARGET_32BIT "Build the programs for 32-bit x86, the target platform (OFF: native 64-bit)" ON)
set(CHECKS recover CACHE STRING "Run-time checks in the programs: recover, strict or none")
set_property(CACHE CHECKS PROPERTY STRINGS recover strict none)

set(program_compile -g -Wall -Wextra -Wmissing-declarations -Wdate-time -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
    -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
set(program_link -Wl,--as-needed)
set(machine "")  # the target's flag: for compiling, linking and finding its runtimes
if(TARGET_32BIT)
  set(machine -m32)
endif()
list(APPEND program_compile ${machine})
list(APPEND program_link ${machine})
if(CHECKS STREQUAL "recover")
  list(APPEND program_compile -fsanitize=undefined -fsanitize-recover=undefined)
  list(APPEND program_link -fsanitize=undefined)
  # What Debian 12's dpkg-buildflags gives with hardening=+all: a stack protector,
  # fortified libc calls, format checks, and relocations made read-only at start-up.
  list(APPEND program_compile -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security)
  list(APPEND program_link -Wl,-z,relro -Wl,-z,now)
elseif(CHECKS STREQUAL "strict")
  list(APPEND program_compile -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  list(APPEND program_link -fsanitize=address,undefined)
elseif(NOT CHECKS STREQUAL "none")
  message(FATAL_ERROR "CHECKS is recover, strict or none, not '${CHECKS}'")
endif()
# program_libs: what the programs link besides their own code, after it on the line.
set(program_libs "")
if(NOT CHECKS STREQUAL "strict")
  list(APPEND program_link -static-libstdc++ -static-libgcc)
  if(CHECKS STREQUAL "recover" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND program_link -static-libubsan)
    # GCC's driver puts libubsan after libstdc++, yet the checks of a virtual call need
    # libstdc++'s __dynamic_cast and type information: the two archives come before the
    # driver's own copies, as a group that the linker scans until it needs no more.
    foreach(archive libstdc++.a libubsan.a)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${machine} -print-file-name=${archive}
                      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
      list(APPEND program_libs ${path})
    endforeach()
    set(program_libs -Wl,--start-group ${program_libs} -Wl,--end-group)
  endif()
endif()
include(CheckPIESupported)
check_pie_supported()

# add_program(NAME [CAPACITY_BITS DEFAULT]): the program NAME from NAME.cpp, with its
# manual page NAME.1. A graph program's vertex capacity, 2^CAPACITY_BITS slots, is the
# cache variable <NAME>_CAPACITY_BITS (SPLITPATH_CAPACITY_BITS, ...), DEFAULT unless
# given; the program is compiled with CAPACITY_BITS defined to it.
function(add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" CAPACITY_BITS "")
  add_executable(${name} ${name}.cpp)
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  # The compiler runs in the build directory (Ninja) or the program's own (Makefiles):
  # either is mapped to ".", so that the generator changes nothing either.
  target_compile_options(${name} PRIVATE ${program_compile} -ffile-prefix-map=${CMAKE_CURRENT_BINARY_DIR}=.)
  target_link_options(${name} PRIVATE ${program_link} "SHELL:-Xlinker \"-Map=${CMAKE_CURRENT_BINARY_DIR}/${name}.map\"")
  target_link_libraries(${name} PRIVATE ${program_libs})
  set_property(GLOBAL APPEND PROPERTY program_maps ${CMAKE_CURRENT_BINARY_DIR}/${name}.map)
  target_compile_definitions(${name} PRIVATE VERSION="${PROJECT_VERSION}")
  if(DEFINED arg_CAPACITY_BITS)
    set(default ${arg_CAPACITY_BITS})
    string(TOUPPER ${name}_CAPACITY_BITS var)
    # A cached capacity still at the default last configured follows the default when
    # it changes; any other value (given with -D) stays.
    if(DEFINED CACHE{${var}_DEFAULT} AND "${${var}}" STREQUAL "${${var}_DEFAULT}")
      unset(${var} CACHE)
    endif()
    set(${var}_DEFAULT ${default} CACHE INTERNAL "the default capacity last configured for ${name}")
    set(${var} ${default} CACHE STRING "${name}: 2^BITS vertex slots, BITS from 4 to 24 (default ${default})")
    # Plain decimal only: the compiler would read 010 as octal 8. Below 16 slots the
    # test cases' graphs do not fit.
    if(NOT "${${var}}" MATCHES "^[1-9][0-9]?$" OR ${var} LESS 4 OR ${var} GREATER 24)
      message(FATAL_ERROR "${var} is a number of bits written in plain decimal, from 4 to 24, not '${${var}}'")
    endif()
    target_compile_definitions(${name} PRIVATE CAPACITY_BITS=${${var}})
    set_target_properties(${name} PROPERTIES CAPACITY_BITS ${${var}} DEFAULT_CAPACITY_BITS ${default})
  endif()
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The page is installed compressed, as Debian ships pages; gzip -n keeps no name or
  # time, so the same page gives the same file.
  add_custom_command(OUTPUT ${name}.1.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${name}.1 ${name}.1
                     COMMAND gzip -9nf ${name}.1 DEPENDS ${name}.1 VERBATIM)
  add_custom_target(${name}_page ALL DEPENDS ${name}.1.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
