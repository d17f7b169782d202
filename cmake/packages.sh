#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the packages from the tree that cpack installed (STAGE), in the current
# directory, where it also leaves its work tree (debian/): the Debian package
# NAME_VERSION_ARCH.deb and its debug-symbols package NAME-dbgsym_VERSION_ARCH.deb,
# made by debhelper's own commands in debhelper's order; the .buildinfo and .changes
# that dpkg-buildpackage -b would leave beside them; and FILE_NAME.tar.gz of the
# Debian package's files, from the same finished tree. What is left here is what
# debhelper does not do:
#  - debian/control is cmake/control, debian/changelog is cmake/changelog, whose newest
#    entry gives the version (it must be the build's) and, unless SOURCE_DATE_EPOCH is
#    set, the time: every staged file gets it, and dpkg-deb and tar bring later times
#    down to it;
#  - Static-Built-Using names the source packages, with their versions, of the static
#    archives and start-up objects that the link took code from, as the programs' link
#    maps (MAP...) list them.
# Usage: packages.sh STAGE SOURCE_DIR VERSION ARCH FILE_NAME MAP...   (cmake/cpack.cmake
# runs it)
set -euo pipefail
stage=$1 src=$2 built=$3 arch=$4 file_name=$5
shift 5
name=graphtools
fail() { echo "cmake/packages.sh: $*" >&2; exit 1; }
version=$(dpkg-parsechangelog -l "$src/cmake/changelog" -S Version)
[ "$version" = "$built" ] || fail "the changelog's newest version is $version, the build's $built: build again first"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$src/cmake/changelog" -S Timestamp)}
# Build options of the caller's (nostrip, noautodbgsym) would make other packages.
unset DEB_BUILD_OPTIONS
# The build's architecture, as dpkg-buildpackage -a sets it for debhelper; dpkg-architecture
# warns that gcc is not a compiler for it, which the build's flags make it.
vars=$(dpkg-architecture -a"$arch" -s 2> /dev/null) || fail "dpkg-architecture does not know the architecture $arch"
eval "$vars"
for c in dh_install dwz "$DEB_HOST_GNU_TYPE-strip"; do
  command -v "$c" > /dev/null || fail "$c is missing; bash tools/deps installs what makes the packages"
done
# dh_shlibdeps finds the C library of the build's architecture (for i386, libc6:i386 of
# multiarch; the 64-bit system's copy, libc6-i386, would name another package).
[ "$(dpkg-query -W -f='${Status}' "libc6:$arch" 2> /dev/null)" = "install ok installed" ] ||
  fail "libc6:$arch is not installed, so dh_shlibdeps cannot name the C library; bash tools/deps installs it"

# Each file that the link took code from, other than the programs' own objects (named
# relative to the build directory): the archives whose members it included, and the
# objects it loaded. Its package's source and version, for Static-Built-Using.
owner() {
  local p
  for p in "$(realpath -sm "$1")" "$(realpath -m "$1")"; do
    dpkg-query -S "$p" 2> /dev/null | sed -n '1s/: .*//p' | grep . && return
  done
  fail "no package owns $1, which the link took code from (its map: $map)"
}
static=()
for map in "$@"; do
  [ -r "$map" ] || fail "cannot read the link map $map"
  while read -r f; do
    package=$(owner "$f")
    static+=("$(dpkg-query -W -f='${source:Package} (= ${source:Version})' "$package")")
  done < <(awk '/^Archive member included/ { a = 1; next } /^[A-Z]/ { a = 0 }
                a && /^\// { sub(/\(.*/, ""); print } /^LOAD \/.*\.o$/ { print $2 }' "$map" | sort -u)
done
[ ${#static[@]} -gt 0 ] || fail "the link maps $* name no archive nor object"

rm -rf debian
mkdir debian
cp "$src/cmake/control" debian/control
cp "$src/cmake/changelog" debian/changelog
printf 'misc:Static-Built-Using=%s\n' "$(printf '%s\n' "${static[@]}" | sort -u | paste -sd, | sed 's/,/, /g')" \
  > debian/$name.substvars
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
dh_install --sourcedir="$(realpath --relative-to=. "$stage")" usr
dh_fixperms
dh_dwz
dh_strip
dh_shlibdeps
dh_installdeb
dh_gencontrol
dh_md5sums
dh_builddeb --destdir=.
dpkg-genbuildinfo --build=binary -u. -O"${name}_${version}_$arch.buildinfo"
dpkg-genchanges --build=binary -u. -O"${name}_${version}_$arch.changes"
tar -C debian --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" --clamp-mtime \
  --exclude=DEBIAN --transform="s,^$name,$file_name," -cf - $name | gzip -9n > "$file_name.tar.gz"
