#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the documents' build, test, install and package commands work, and give
# the same bytes, in a source tree whose path holds blanks and a non-ASCII letter and
# whose parent is a group's shared directory (set-group-ID, mode 2775, group staff),
# under umask 077, and in a build directory outside that tree. On a copy of the tree
# (without build/ and .git, its files' times before the changelog's) it
#  - builds the release preset, runs the examples and the release tests, makes the
#    packages and runs the host workflow (the tests' native path where the release
#    programs are emulated);
#  - configures and builds a plain release build in a build directory outside the tree
#    (in a path with a blank, with the default generator) and packages it there;
#  - touches splitpath.cpp: the release build must compile it again without
#    configuring again;
#  - compares the programs, the two .deb packages and the .tar.gz of both with those of
#    build/release (built and packaged again first, under the caller's umask): the first
#    that differs is named, diffoscope shows where;
#  - configures the outside build with the emulator given as a name on the PATH
#    (qemu-i386) and as a list whose program has a blank in its path and takes an
#    argument, running the examples and the release tests under each, and requires
#    configuring to refuse, each for its reason, that program without its argument, a
#    qemu-i386 that refuses -E, true (which runs nothing) and an emulator that does
#    not end, and the strict build where it would be emulated;
#  - installs the outside build with cmake --install (all directories it makes 0755),
#    and the .tar.gz with INSTALL.md's command over an existing 2775 root:staff bin/
#    (kept as it was), each under a prefix of its own, and removes both with
#    INSTALL.md's command (no file left);
#  - adds a changelog entry and lowers splitpath's default capacity (in its
#    CMakeLists.txt) by a bit: cmake --build and cpack must give the programs and
#    packages of the new version, with its changelog and time, and splitpath of the
#    new capacity.
# On a failure the copy is kept (the last line says where).
# Usage: bash tests/umask-path.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps diffoscope-minimal qemu-user
work=$(mktemp -d)
fail() { echo "tests/umask-path.sh: $*; the copy is kept in $work" >&2; exit 1; }
# Runs the commands $1 under umask 077, its output in $work/log, shown when it fails.
quiet() { (umask 077 && eval "$1") > "$work/log" 2>&1 || { tail -40 "$work/log"; fail "${2:-$1 failed}"; }; }
cmake --preset release > /dev/null && cmake --build --preset release > /dev/null && cpack --preset release > /dev/null
group="$work/my projects, café"
mkdir "$group"
chgrp staff "$group"
chmod 2775 "$group"
there="$group/graphtools" out="$work/out of tree"
mkdir "$there"
tar --exclude=./build --exclude=./.git -cf - . | tar -C "$there" -xf -
find "$there" -type d -exec chmod g+s {} +  # as mkdir (git clone) would make them there, which tar undid
find "$there" -exec touch -h -d @1 {} +  # sources older than the changelog, as an old tarball's may be
echo "tests/umask-path.sh: building, testing and packaging in '$there' and in '$out' under umask 077"
quiet 'cd "$there" && cmake --preset release && cmake --build --preset release && bash examples/run.sh &&
       ctest --preset release && cpack --preset release && cmake --workflow --preset host'
quiet 'cmake -S "$there" -B "$out" && cmake --build "$out" -j "$(nproc)" && cd "$out" && cpack'
# An edited program is built again without configuring again.
quiet 'cd "$there" && touch splitpath/splitpath.cpp && cmake --build --preset release'
! grep -F "Re-running CMake" "$work/log" > /dev/null && grep -F "splitpath.cpp.o" "$work/log" > /dev/null ||
  fail "touching splitpath.cpp did not build it again, or configured again: $(cat "$work/log")"
version=$(dpkg-parsechangelog -l cmake/changelog -S Version)
for f in splitpath/splitpath treedist/treedist factdigits/factdigits graphtools_${version}_i386.deb \
         graphtools-dbgsym_${version}_i386.deb graphtools-${version}-i386.tar.gz; do
  for b in "$there/build/release" "$out"; do
    cmp -s "build/release/$f" "$b/$f" || { diffoscope "build/release/$f" "$b/$f" | head -100 || true; fail "$b/$f differs"; }
  done
done

# The emulator as a name on the PATH, and as a list: a program with a blank in its path
# that requires its first argument, then that argument.
wrapper="$work/my emulator/run i386"
mkdir "${wrapper%/*}"
printf '#!/bin/sh\n[ "$1" = --given ] || exit 9\nshift\nexec qemu-i386 "$@"\n' > "$wrapper"
printf '#!/bin/sh\n[ "$1" != -E ] || { echo "no -E here" >&2; exit 9; }\nexec qemu-i386 "$@"\n' > "${wrapper%/*}/no -E"
printf '#!/bin/sh\nexec sleep 100\n' > "${wrapper%/*}/hangs"
chmod +x "$wrapper" "${wrapper%/*}/no -E" "${wrapper%/*}/hangs"
for e in qemu-i386 "$wrapper;--given"; do
  quiet 'cmake "$out" "-DCMAKE_CROSSCOMPILING_EMULATOR=$e" && bash examples/run.sh "$out" && ctest --test-dir "$out" -j "$(nproc)"' \
    "the examples or the release tests failed under the emulator '$e'"
  grep -F "the programs will run under $e, as given" "$work/log" > /dev/null || fail "configuring did not take the emulator '$e'"
done
# Refused, each for its reason: the wrapper without its argument, a qemu-i386 that
# refuses -E, a program that runs nothing and one that does not end.
for e in "$wrapper:does not run a program built with the programs' flags (status 9)" \
         "${wrapper%/*}/no -E:does not take -E NAME=VALUE" "true:does not run a program built with the programs' flags (it printed ''" \
         "${wrapper%/*}/hangs:does not run a program built with the programs' flags (it ran for more than"; do
  ! cmake "$out" "-DCMAKE_CROSSCOMPILING_EMULATOR=${e%:*}" > "$work/log" 2>&1 || fail "configuring took the emulator '${e%:*}'"
  tr -s ' \n' ' ' < "$work/log" | grep -F "The emulator '${e%:*}' ${e#*:}" > /dev/null ||
    { cat "$work/log"; fail "configuring did not say why it refused the emulator '${e%:*}'"; }
done
quiet 'cmake "$out" -DCMAKE_CROSSCOMPILING_EMULATOR='
# The strict build, whose 32-bit programs do not finish under an emulator, is refused there.
! cmake -S "$there" -B "$work/strict" -DCHECKS=strict -DEMULATE=ON > "$work/log" 2>&1 &&
  tr -s ' \n' ' ' < "$work/log" | grep -F "CHECKS=strict is a 64-bit build" > /dev/null ||
  { cat "$work/log"; fail "configuring did not refuse the strict build under emulation"; }

# Installing by hand, and removing, as INSTALL.md says, with other prefixes.
documented() { grep -x "$1" INSTALL.md | sed "s,/usr/local,$2,g"; }
untar=$(documented 'tar -xzf build/release/graphtools-.* -C /usr/local .*' "\"\$work/tar\"")
remove=$(documented '(cd /usr/local && rm .*)' "\"\$prefix\"")
[ -n "$untar" ] && [ -n "$remove" ] || fail "INSTALL.md gives no tar or remove command"
mkdir -p "$work/tar/bin"
chgrp staff "$work/tar/bin"
chmod 2775 "$work/tar/bin"
quiet 'cmake --install "$out" --prefix "$work/cmake/usr" --strip && eval "$untar"'
[ "$(find "$work/cmake" -type d ! -perm 0755)" = "" ] || fail "cmake --install made directories of another mode than 0755"
[ "$(stat -c '%a %U:%G' "$work/tar/bin")" = "2775 root:staff" ] || fail "the tar command changed the existing bin/"
for prefix in "$work/cmake/usr" "$work/tar"; do
  [ -x "$prefix/bin/treedist" ] || fail "nothing was installed in $prefix"
  quiet "$remove"
  [ "$(find "$prefix" -type f)" = "" ] || fail "these files are left after the remove command: $(find "$prefix" -type f)"
done

# A new changelog entry and a new default capacity there reach the programs and packages
# through cmake --build and cpack alone.
bits=$(sed -n 's/^add_program(splitpath CAPACITY_BITS \([0-9]*\))$/\1/p' splitpath/CMakeLists.txt)
sed -i "s/^add_program(splitpath CAPACITY_BITS $bits)$/add_program(splitpath CAPACITY_BITS $((bits - 1)))/" \
  "$there/splitpath/CMakeLists.txt"
IFS=. read -r major minor patch <<< "$version"
next=$major.$minor.$((patch + 1)) epoch=$(($(dpkg-parsechangelog -l cmake/changelog -S Timestamp) + 86400))
{ printf 'graphtools (%s) unstable; urgency=medium\n\n  * A test entry.\n\n -- %s  %s\n\n' "$next" \
    "$(dpkg-parsechangelog -l cmake/changelog -S Maintainer)" "$(LC_ALL=C date -u -R -d "@$epoch")"
  cat cmake/changelog; } > "$there/cmake/changelog"
quiet 'cd "$there" && cmake --build --preset release && cpack --preset release' \
  "building or packaging after a new changelog entry failed"
deb=$there/build/release/graphtools_${next}_i386.deb
IFS=';' read -r -a emulator <<< "$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' build/release/CMakeCache.txt)"
[ "$(dpkg-deb -f "$deb" Version); $("${emulator[@]}" "$there/build/release/splitpath/splitpath" --version)" = \
  "$next; splitpath $next (vertex count up to $((2 ** (bits - 1) - 1)))" ] ||
  fail "the package or splitpath --version is not of version $next, or splitpath not of $((bits - 1)) bits"
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/graphtools/changelog.gz | gzip -d |
  cmp -s - "$there/cmake/changelog" || fail "the package's changelog is not the new one"
[ "$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{ print $4 "T" $5 }' | sort -u)" = \
  "$(date -u -d "@$epoch" +%Y-%m-%dT%H:%M:%S)" ] || fail "the package's times are not the new entry's"
rm -rf "$work"
echo "tests/umask-path.sh: the programs and packages are the same, byte for byte; the emulator's forms, installing" \
     "and removing, and a new changelog entry and capacity worked"
