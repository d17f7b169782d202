# SPDX-License-Identifier: MIT
# The release programs are 32-bit x86. A 64-bit kernel built or booted without
# 32-bit support refuses to start them ("Exec format error"); there they run under
# user-mode emulation (qemu-i386). This decides, at configure time, whether the
# programs built here start natively, and otherwise sets CMAKE_CROSSCOMPILING_EMULATOR,
# which the tests pass on to the runner (EMULATOR); the runner, a host program, starts
# the programs under it. -DEMULATE=ON forces the emulated path.
option(EMULATE "Run the 32-bit programs under qemu-i386 even where the kernel runs them" OFF)
set(CMAKE_CROSSCOMPILING_EMULATOR "" CACHE STRING "Runs a built program on this machine (set at configure time)" FORCE)
if(NOT TARGET_32BIT)
  return()  # a 64-bit build runs natively on any x86-64 machine
endif()

# A program built with the same flags as the real ones.
set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/probe)
file(WRITE ${probe}/probe.cpp "int main() { return 0; }\n")
try_compile(built ${probe}/build ${probe}/probe.cpp COMPILE_DEFINITIONS ${program_compile}
            LINK_OPTIONS ${program_link} COPY_FILE ${probe}/probe OUTPUT_VARIABLE log)
if(NOT built)
  message(FATAL_ERROR "Cannot build a 32-bit x86 program here (bash tools/deps installs g++-multilib):\n${log}")
endif()

if(NOT EMULATE)
  execute_process(COMMAND ${probe}/probe RESULT_VARIABLE native OUTPUT_QUIET ERROR_QUIET)
  if(native EQUAL 0)
    return()
  endif()
  set(why "this machine's kernel does not start them")  # exec fails with ENOEXEC
else()
  set(why "EMULATE is on")
endif()

find_program(QEMU_I386 NAMES qemu-i386 qemu-i386-static)
if(NOT QEMU_I386)
  set(fail "and no qemu-i386 was found")
else()
  execute_process(COMMAND ${QEMU_I386} ${probe}/probe RESULT_VARIABLE emulated OUTPUT_QUIET ERROR_QUIET)
  if(NOT emulated EQUAL 0)
    set(fail "and ${QEMU_I386} cannot run them either (${emulated})")
  endif()
endif()
if(fail)
  message(FATAL_ERROR "The 32-bit x86 programs cannot run on this machine: ${why}, ${fail}. "
          "Install qemu-user (bash tools/deps does it where it is needed), or build native "
          "64-bit programs with the host preset.")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_I386} CACHE STRING "Runs a built program on this machine (set at configure time)" FORCE)
message(NOTICE "Note: the 32-bit x86 programs will run under ${QEMU_I386}: ${why}.")
