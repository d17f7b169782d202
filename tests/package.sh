#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the packages from the release build (cpack --preset release) and checks them:
# the Debian package holds exactly the programs, their compressed pages, the copyright
# and the changelog, the .tar.gz the same files; the control fields name the package,
# version and architecture, and a C library at least as new as the newest symbol
# version the packaged programs use; lintian reports no tag, not even an informational
# one such as a missing hardening feature. Installs lintian (with tools/deps) where it
# is missing.
# Usage: bash tests/package.sh   (after cmake --build --preset release)
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "tests/package.sh: $*" >&2; exit 1; }
build=build/release
[ -e $build/splitpath/splitpath ] || fail "no release build; make it with: cmake --preset release && cmake --build --preset release"
bash tools/deps lintian
cpack --preset release > $build/cpack.log || { cat $build/cpack.log; fail "cpack failed"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $build/CMakeCache.txt)
deb=$build/graphtools_${version}_i386.deb tgz=$build/graphtools-${version}-i386.tar.gz

files="usr/bin/factdigits usr/bin/splitpath usr/bin/treedist usr/share/doc/graphtools/changelog.gz
usr/share/doc/graphtools/copyright usr/share/man/man1/factdigits.1.gz usr/share/man/man1/splitpath.1.gz
usr/share/man/man1/treedist.1.gz"
want=$(echo $files | tr ' ' '\n')
got=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub("^[.]/", "", $6); print $6 }' | sort)
[ "$got" = "$want" ] || fail "$deb holds other files than the programs, pages, copyright and changelog: $got"
got=$(tar -tzvf "$tgz" | awk '$1 !~ /^d/ { sub("^[^/]*/", "", $6); print $6 }' | sort)
[ "$got" = "$want" ] || fail "$tgz holds other files than the Debian package: $got"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Architecture)" = "graphtools $version i386" ] ||
  fail "control fields: $(field Package) $(field Version) $(field Architecture)"
# grep reads to the end rather than -q: with pipefail, a writer cut off by -q's early
# exit (SIGPIPE) would fail the check.
for p in splitpath treedist factdigits; do
  field Description | grep "^ *- $p: " > /dev/null || fail "the description does not say what $p does"
done
[[ $(field Depends) =~ ^libc6\ \(\>=\ ([0-9.]+)\)$ ]] || fail "Depends is '$(field Depends)', not libc6 (>= VERSION)"
libc=${BASH_REMATCH[1]}
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
newest=$(objdump -T "$unpacked"/usr/bin/* | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -V | tail -1)
dpkg --compare-versions "$libc" ge "$newest" || fail "Depends asks for libc6 $libc, the programs use symbols of $newest"

# lintian ends with status 1 on an error tag, 2 when it fails itself; down to its
# informational tags, among them the hardening ones, it must find nothing.
lintian --display-info "$deb" > $build/lintian.log 2>&1 || { cat $build/lintian.log; fail "lintian reports errors or failed"; }
! grep -E '^[A-Z]: ' $build/lintian.log || fail "lintian reports the tags above"
echo "tests/package.sh: $deb and $tgz: files, fields and lintian checked"
