#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian package and its debug-symbols package on this machine as a user
# would, with INSTALL.md's commands (as root, after the release build), runs each
# installed program on its example (under the emulator that configuring chose, where
# the kernel cannot start 32-bit programs), reads a page, asks gdb for the source line
# of its main and, run from /, for its source, which it shows only when given the
# source tree's directory, as INSTALL.md says, and where the programs are emulated, for
# a backtrace through the emulator's gdb port; then removes the package with apt-get
# and checks that none of either package's files is left. It changes the machine (the i386 architecture, libc6:i386, gdb): run it
# in a fresh root or a container.
# Usage: bash tests/install.sh
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "tests/install.sh: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "run it as root"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt 2> /dev/null) ||
  fail "no release build; make it with: cmake --preset release && cmake --build --preset release"
# INSTALL.md's package commands, each on its own line there.
commands=("cpack --preset release" "dpkg --add-architecture i386" "apt-get update"
          "apt-get install -y ./build/release/graphtools_${version}_i386.deb"
          "apt-get install -y ./build/release/graphtools-dbgsym_${version}_i386.deb")
IFS=';' read -r -a emulator <<< "$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' build/release/CMakeCache.txt)"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
bash tools/deps gdb > "$log" 2>&1 || { cat "$log"; fail "installing gdb failed"; }
for c in "${commands[@]}"; do
  grep -qxF -- "$c" INSTALL.md || fail "INSTALL.md does not give the command: $c"
  echo "+ $c"
  DEBIAN_FRONTEND=noninteractive $c > "$log" 2>&1 || { cat "$log"; fail "$c failed"; }
done

# grep reads to the end rather than -q: with pipefail, a writer cut off by -q's early
# exit (SIGPIPE) would fail the check.
for p in splitpath treedist factdigits; do
  [ "$(command -v $p)" = /usr/bin/$p ] || fail "$p is not /usr/bin/$p on the PATH"
  "${emulator[@]}" /usr/bin/$p < examples/$p.txt | cmp -s - examples/$p.out || fail "/usr/bin/$p does not answer its example"
  echo "$p: $("${emulator[@]}" /usr/bin/$p --version)"
  page=/usr/share/man/man1/$p.1.gz
  mandoc -T ascii $page | sed 's/.\x08//g' | grep "^NAME" > /dev/null || fail "$page does not read as a manual page"
  # Only the debug-symbols package gives gdb the line; without it, "main" is not defined.
  gdb -batch -ex 'info line main' /usr/bin/$p 2>&1 | grep "^Line [0-9]* of \"$p/$p.cpp\"" > /dev/null ||
    fail "gdb finds no source line for $p's main"
  src=$(pwd)
  (cd / && gdb -batch -ex 'list main' /usr/bin/$p 2>&1) | grep -F "$p/$p.cpp: No such file or directory" > /dev/null ||
    fail "gdb run from / does not say that it lacks $p's source"
  (cd / && gdb -batch -ex "directory $src" -ex 'list main' /usr/bin/$p 2>&1) | grep "^[0-9]*.*int main(" > /dev/null ||
    fail "gdb run from / and given $src does not show $p's main"
  # Where the programs are emulated, gdb attaches to the emulator, as INSTALL.md says.
  if [ ${#emulator[@]} -gt 0 ]; then
    for c in "qemu-i386 -g 1234 /usr/bin/splitpath < instance.txt &" \
             "gdb -ex 'target remote :1234' -ex continue /usr/bin/splitpath"; do
      grep -qxF -- "$c" INSTALL.md || fail "INSTALL.md does not give the command: $c"
    done
    "${emulator[@]}" -g 1234 /usr/bin/$p < examples/$p.txt > /dev/null 2>&1 &
    sleep 1  # for the emulator to open its port
    gdb -batch -ex 'target remote :1234' -ex 'break main' -ex continue -ex bt /usr/bin/$p 2>&1 |
      grep "^#0 .*main (.*) at $p/$p.cpp:[0-9]" > /dev/null || fail "gdb attached to the emulator gives no backtrace of $p"
    wait $! || true  # the emulator ends when gdb leaves
  fi
done
files=$(dpkg -L graphtools graphtools-dbgsym | while read -r f; do [ -d "$f" ] || echo "$f"; done)
echo "installed: $(echo $files)"
apt-get remove -y graphtools > "$log" 2>&1 || { cat "$log"; fail "apt-get remove failed"; }
for f in $files /usr/share/doc/graphtools /usr/share/doc/graphtools-dbgsym; do
  [ ! -e "$f" ] && [ ! -L "$f" ] || fail "$f is left after apt-get remove"
done
echo "tests/install.sh: installed, ran, read, debugged and removed graphtools $version; none of its files is left"
