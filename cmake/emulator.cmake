# SPDX-License-Identifier: MIT
# Every configure builds a probe with the programs' flags and libraries and runs it,
# as the programs will run: a program with a virtual call in an exception handler and a
# dynamic_cast, which needs of the runtimes what a program may (the UB checks of a
# virtual call need libstdc++'s type information: see program.cmake).
# The release programs are 32-bit x86. A 64-bit kernel built or booted without
# 32-bit support refuses to start them ("Exec format error"); there they run under
# user-mode emulation (qemu-i386). This decides whether the programs built here start
# natively, and otherwise sets CMAKE_CROSSCOMPILING_EMULATOR, which the tests pass on
# to the runner (EMULATOR); the runner, a host program, starts the programs under it,
# and the tests allow the emulator's time. A program that starts only because
# binfmt_misc hands it to an emulator counts as emulated too: it is then started under
# qemu-i386 directly. -DEMULATE=ON forces the emulated path.
# An emulator given with -DCMAKE_CROSSCOMPILING_EMULATOR=... is kept as it is: a
# program's name on the PATH or its path, then any arguments, as a CMake list
# ("qemu-i386;-cpu;pentium3"). It must take qemu-user's option -E NAME=VALUE, which sets
# a variable in the emulated program's environment only: the runner preloads a library
# into a program that way. Configure refuses an emulator that cannot run the probe, or
# not with -E. Every run of the probe has a time limit, and the strict build, whose
# 32-bit programs do not finish under qemu-i386, is refused where it would be emulated.
option(EMULATE "Run the 32-bit programs under qemu-i386 even where the kernel runs them" OFF)
set(doc "Runs a built program on this machine (found at configure time unless given)")
set(CMAKE_CROSSCOMPILING_EMULATOR "" CACHE STRING "${doc}")
# Sets the emulator this configure found (none: VALUE empty).
function(found value)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${value}" CACHE STRING "${doc}" FORCE)
  set(EMULATOR_FOUND "${value}" CACHE INTERNAL "the emulator that configuring chose")
endfunction()
# Each run of the probe may take this long: it takes well under a second, natively or
# emulated, so a run that goes on has hung (AddressSanitizer's programs under qemu-i386).
set(probe_seconds 30)
# Runs the probe under the emulator EMULATOR (empty: natively), given the arguments
# that follow, and requires it to print "probe: " and SAID: it prints the value of the
# variable that its argument names, or without one "ran", so that an emulator that
# runs nothing does not pass. Sets probe_failed in the caller's scope: empty when it
# printed that and ended with status 0, else what went wrong.
function(probe emulator said)
  set(failed "")
  execute_process(COMMAND ${emulator} ${ARGN} TIMEOUT ${probe_seconds} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE errors)
  string(STRIP "${errors}" errors)
  string(STRIP "${out}" out)
  if(status MATCHES "timeout")
    set(failed "it ran for more than ${probe_seconds} s and was stopped")
  elseif(status MATCHES "^[0-9]+$" AND NOT status EQUAL 0)
    set(failed "status ${status}")
  elseif(NOT status EQUAL 0)
    set(failed "${status}")  # it could not be started: the system's reason
  elseif(NOT out STREQUAL "probe: ${said}")
    set(failed "it printed '${out}', not 'probe: ${said}'")
  endif()
  if(failed AND errors)
    string(APPEND failed ": ${errors}")
  endif()
  set(probe_failed "${failed}" PARENT_SCOPE)
endfunction()
# Runs the probe under the emulator EMULATOR (empty: natively), then through it with
# -E; stops configuring, naming the emulator, where either fails.
function(run_probe emulator)
  probe("${emulator}" ran ${probe})
  set(what "run a program built with the programs' flags")
  if(NOT probe_failed AND emulator)
    set(what "take -E NAME=VALUE, qemu-user's option, which the tests use to set a variable in a program's environment")
    probe("${emulator}" taken -E GRAPHTOOLS_PROBE=taken ${probe} GRAPHTOOLS_PROBE)
  endif()
  if(probe_failed AND NOT emulator)
    message(FATAL_ERROR "A program built with the programs' flags does not run here (${probe_failed}). "
            "Build with another preset.")
  elseif(probe_failed)
    message(FATAL_ERROR "The emulator '${emulator}' does not ${what} (${probe_failed}). Name one that "
            "runs 32-bit x86 programs and takes -E, as qemu-i386 does, or configure with "
            "-DCMAKE_CROSSCOMPILING_EMULATOR= to let configuring choose.")
  endif()
endfunction()
# Where the 32-bit programs are to run under an emulator, the strict build stops here:
# AddressSanitizer's 32-bit programs do not finish under qemu-i386.
function(no_strict_emulated)
  if(CHECKS STREQUAL "strict" AND TARGET_32BIT)
    message(FATAL_ERROR "CHECKS=strict is a 64-bit build: here the 32-bit programs would run under an "
            "emulator, where AddressSanitizer's programs do not finish. Configure with -DTARGET_32BIT=OFF "
            "(the strict preset does), or where the kernel starts 32-bit x86 programs.")
  endif()
endfunction()

# A program built with the flags of the real ones; the file-name mapping is left out, as
# it names the source directory, which may hold blanks, and changes nothing here.
set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/probe)
file(WRITE ${probe}/probe.cpp [[
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
struct Base { virtual ~Base() {} virtual int f() const { return 1; } };
struct Derived : Base { int f() const override { return 0; } };
int main(int argc, char** argv) {
  Derived d;
  Base* b = argc > 0 ? static_cast<Base*>(&d) : nullptr;
  try {
    throw std::runtime_error("probe");
  } catch (const std::exception& e) {
    Derived* p = dynamic_cast<Derived*>(b);
    const char* said = argc > 1 ? getenv(argv[1]) : "ran";
    if (!p || p->f() != 0 || e.what()[0] != 'p' || !said) return 1;
    printf("probe: %s\n", said);
    return 0;
  }
}
]])
set(flags ${program_compile})
list(FILTER flags EXCLUDE REGEX "^-ffile-prefix-map=")
try_compile(built ${probe}/build ${probe}/probe.cpp COMPILE_DEFINITIONS ${flags}
            LINK_OPTIONS ${program_link} LINK_LIBRARIES ${program_libs} COPY_FILE ${probe}/probe OUTPUT_VARIABLE log)
if(NOT built)
  # The compiler's and linker's own complaints, indented so that they print as they are.
  string(REGEX MATCHALL "[^\n]*(error:|cannot find|undefined reference)[^\n]*" said "${log}")
  if(NOT said)
    set(said "${log}")
  endif()
  list(REMOVE_DUPLICATES said)
  list(JOIN said "\n  " said)
  set(hint "")
  if(TARGET_32BIT AND log MATCHES "cannot find|No such file")
    set(hint "\n(On Debian, the 32-bit libraries come with g++-multilib, which bash tools/deps installs.)")
  endif()
  message(FATAL_ERROR "Cannot build a program with the programs' flags. The compiler said:\n  ${said}${hint}")
endif()

set(probe ${probe}/probe)
# EMULATOR_FOUND remembers what the last configure chose, so that a later one may choose
# again; any other value is the user's.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR STREQUAL "" AND NOT CMAKE_CROSSCOMPILING_EMULATOR STREQUAL "${EMULATOR_FOUND}")
  no_strict_emulated()
  run_probe("${CMAKE_CROSSCOMPILING_EMULATOR}")
  message(NOTICE "Note: the programs will run under ${CMAKE_CROSSCOMPILING_EMULATOR}, as given.")
  return()
endif()
found("")
if(NOT TARGET_32BIT)
  run_probe("")  # a 64-bit build runs natively on any x86-64 machine
  return()
endif()

set(why "")
set(fail "")
if(EMULATE)
  set(why "EMULATE is on")
else()
  # binfmt_misc comes before the kernel's own ELF loader: while it is enabled, an
  # enabled entry whose magic, at offset 0, is a 32-bit x86 ELF file's header (class 1,
  # e_machine 3 at byte 18) takes every such program.
  set(binfmt /proc/sys/fs/binfmt_misc)
  file(GLOB entries ${binfmt}/*)
  list(FILTER entries EXCLUDE REGEX "/(register|status)$")
  if(EXISTS ${binfmt}/status)
    file(READ ${binfmt}/status status)
  endif()
  foreach(entry ${entries})
    file(READ ${entry} text)
    string(REGEX MATCH "\nmagic ([0-9a-f]*)" magic "${text}")
    string(REGEX MATCH "^7f454c4601..........................0300" magic "${CMAKE_MATCH_1}")
    if(status MATCHES "^enabled" AND text MATCHES "^enabled\n" AND text MATCHES "\noffset 0\n" AND magic)
      get_filename_component(handler ${entry} NAME)
      set(why "binfmt_misc hands them to its handler ${handler}")
    endif()
  endforeach()
  if(NOT why)
    probe("" ran ${probe})
    if(NOT probe_failed)
      return()
    elseif(probe_failed MATCHES "was stopped")
      message(FATAL_ERROR "A program built with the programs' flags does not run here (${probe_failed}). "
              "Build native 64-bit programs with the host preset.")
    endif()
    set(why "this machine's kernel does not start them")  # exec fails with ENOEXEC
  endif()
endif()
no_strict_emulated()

find_program(QEMU_I386 NAMES qemu-i386 qemu-i386-static)
if(NOT QEMU_I386)
  set(fail "and no qemu-i386 was found")
else()
  probe(${QEMU_I386} ran ${probe})
  if(probe_failed)
    set(fail "and ${QEMU_I386} cannot run them either (${probe_failed})")
  endif()
endif()
if(fail)
  message(FATAL_ERROR "The 32-bit x86 programs cannot run on this machine: ${why}, ${fail}. "
          "Install qemu-user (bash tools/deps does it where it is needed), or build native "
          "64-bit programs with the host preset.")
endif()
run_probe(${QEMU_I386})
found(${QEMU_I386})
message(NOTICE "Note: the 32-bit x86 programs will run under ${QEMU_I386}: ${why}. "
        "Configure again if that changes.")
