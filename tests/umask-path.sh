#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the README's build, test and package commands work in a source directory
# whose path holds blanks and a non-ASCII letter, under umask 077, and give the same
# bytes there: on a copy of the tree (without build/ and .git) it builds the release
# preset, runs the examples and the release tests, makes the packages, runs the host
# workflow (the tests' native path where the release programs are emulated), and compares
# the programs, the .deb, the .ddeb and the .tar.gz with those of build/release (built
# and packaged again first, under the caller's umask). The first that differs is
# named, diffoscope shows where, and the copy is kept (the last line says where).
# Then it adds a changelog entry there and lowers splitpath's default capacity by a bit,
# and cmake --build and cpack must give the programs and packages of the new version,
# with its changelog and time, and splitpath of the new capacity.
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
  ctest --preset release && cpack --preset release && cmake --workflow --preset host) > "$work/log" 2>&1 ||
  { tail -40 "$work/log"; fail "a step failed"; }
version=$(dpkg-parsechangelog -l cmake/changelog -S Version)
for f in splitpath/splitpath treedist/treedist factdigits/factdigits graphtools_${version}_i386.deb \
         graphtools-dbgsym_${version}_i386.ddeb graphtools-${version}-i386.tar.gz; do
  cmp -s "build/release/$f" "$there/build/release/$f" ||
    { diffoscope "build/release/$f" "$there/build/release/$f" | head -100 || true; fail "$f differs"; }
done

# A new changelog entry and a new default capacity there reach the programs and packages
# through cmake --build and cpack alone.
bits=$(sed -n 's/^#define CAPACITY_BITS \([0-9]*\) .*/\1/p' splitpath/splitpath.cpp)
sed -i "s/^#define CAPACITY_BITS $bits /#define CAPACITY_BITS $((bits - 1)) /" "$there/splitpath/splitpath.cpp"
IFS=. read -r major minor patch <<< "$version"
next=$major.$minor.$((patch + 1)) epoch=$(($(dpkg-parsechangelog -l cmake/changelog -S Timestamp) + 86400))
{ printf 'graphtools (%s) unstable; urgency=medium\n\n  * A test entry.\n\n -- %s  %s\n\n' "$next" \
    "$(dpkg-parsechangelog -l cmake/changelog -S Maintainer)" "$(LC_ALL=C date -u -R -d "@$epoch")"
  cat cmake/changelog; } > "$there/cmake/changelog"
(umask 077 && cd "$there" && cmake --build --preset release && cpack --preset release) > "$work/log" 2>&1 ||
  { tail -40 "$work/log"; fail "building or packaging after a new changelog entry failed"; }
deb=$there/build/release/graphtools_${next}_i386.deb
emulator=$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' build/release/CMakeCache.txt)
[ "$(dpkg-deb -f "$deb" Version); $($emulator "$there/build/release/splitpath/splitpath" --version)" = \
  "$next; splitpath $next (vertex count up to $((2 ** (bits - 1) - 1)))" ] ||
  fail "the package or splitpath --version is not of version $next, or splitpath not of $((bits - 1)) bits"
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/graphtools/changelog.gz | gzip -d |
  cmp -s - "$there/cmake/changelog" || fail "the package's changelog is not the new one"
[ "$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{ print $4 "T" $5 }' | sort -u)" = \
  "$(date -u -d "@$epoch" +%Y-%m-%dT%H:%M:%S)" ] || fail "the package's times are not the new entry's"
rm -rf "$work"
echo "tests/umask-path.sh: the programs and packages are the same, byte for byte; a new changelog entry and capacity reached them"
