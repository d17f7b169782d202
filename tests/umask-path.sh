#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the README's build, test and package commands work in a source directory
# whose path holds blanks and a non-ASCII letter, under umask 077, and give the same
# bytes there: on a copy of the tree (without build/ and .git) it builds the release
# preset, runs the examples and the release tests, makes the packages, and compares
# the programs, the .deb, the .ddeb and the .tar.gz with those of build/release (built
# and packaged again first, under the caller's umask). The first that differs is
# named, diffoscope shows where, and the copy is kept (the last line says where).
# Usage: bash tests/umask-path.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps diffoscope-minimal
work=$(mktemp -d)
fail() { echo "tests/umask-path.sh: $*; the copy is kept in $work" >&2; exit 1; }
cmake --preset release > /dev/null && cmake --build --preset release > /dev/null && cpack --preset release > /dev/null
there="$work/my projects, café/graphtools"
mkdir -p "$there"
tar --exclude=./build --exclude=./.git -cf - . | tar -C "$there" -xf -
echo "tests/umask-path.sh: building, testing and packaging in '$there' under umask 077"
(umask 077 && cd "$there" && cmake --preset release && cmake --build --preset release && bash examples/run.sh &&
  ctest --preset release && cpack --preset release) > "$work/log" 2>&1 || { tail -40 "$work/log"; fail "a step failed"; }
version=$(dpkg-parsechangelog -l cmake/changelog -S Version)
for f in splitpath/splitpath treedist/treedist factdigits/factdigits graphtools_${version}_i386.deb \
         graphtools-dbgsym_${version}_i386.ddeb graphtools-${version}-i386.tar.gz; do
  cmp -s "build/release/$f" "$there/build/release/$f" ||
    { diffoscope "build/release/$f" "$there/build/release/$f" | head -100 || true; fail "$f differs"; }
done
rm -rf "$work"
echo "tests/umask-path.sh: the programs and packages are the same, byte for byte"
