#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the packages from the tree that cpack installed, with Debian's own tools and in
# the order debhelper takes: the Debian package NAME_VERSION_ARCH.deb, its debug-symbols
# package NAME-dbgsym_VERSION_ARCH.ddeb and FILE_NAME.tar.gz of the Debian package's
# files, all in the current directory, where it also leaves its work tree (debian/).
#  - Each program's debug information goes to the .ddeb as
#    usr/lib/debug/.build-id/XX/REST.debug, XXREST being the program's build ID, and
#    the program is stripped and names that file in its .gnu_debuglink (dh_strip).
#  - Depends is what dpkg-shlibdeps reads off the programs; the control files are
#    dpkg-gencontrol's, from cmake/control and cmake/changelog, whose newest entry gives
#    the version (it must be the build's) and, unless SOURCE_DATE_EPOCH is set, the
#    time of every file in the packages.
#  - Modes are set here, whatever the umask: directories and programs 0755, other
#    files 0644. dpkg-deb and tar list the files sorted by name and owned by root.
# Usage: packages.sh STAGE SOURCE_DIR VERSION ARCH FILE_NAME   (cmake/cpack.cmake runs it)
set -euo pipefail
stage=$1 src=$2 built=$3 arch=$4 file_name=$5
name=graphtools dbgsym=graphtools-dbgsym
fail() { echo "cmake/packages.sh: $*" >&2; exit 1; }
version=$(dpkg-parsechangelog -l "$src/cmake/changelog" -S Version)
[ "$version" = "$built" ] || fail "the changelog's newest version is $version, the build's $built: build again first"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$src/cmake/changelog" -S Timestamp)}
export DEB_HOST_ARCH=$arch
# dpkg-shlibdeps finds the i386 C library of multiarch, libc6:i386; without it, it would
# take the 64-bit system's 32-bit copy (libc6-i386) and name that package.
dpkg-query -W "libc6:$arch" > /dev/null 2>&1 ||
  fail "libc6:$arch is not installed, so dpkg-shlibdeps cannot name the C library; bash tools/deps installs it"

rm -rf debian
mkdir -p debian/$dbgsym/usr/share/doc
cp "$src/cmake/control" "$src/cmake/changelog" debian/
cp -a "$stage" debian/$name
ids=()
for f in debian/$name/usr/bin/*; do
  id=$(LC_ALL=C readelf -n "$f" | sed -n 's/^ *Build ID: //p')
  [ -n "$id" ] || fail "$f has no build ID"
  debug=debian/$dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
  mkdir -p "${debug%/*}"
  objcopy --only-keep-debug --compress-debug-sections "$f" "$debug"
  strip --remove-section=.comment --remove-section=.note "$f"
  objcopy --add-gnu-debuglink "$debug" "$f"
  ids+=("$id")
done
ln -s $name debian/$dbgsym/usr/share/doc/$dbgsym
mkdir debian/$name/DEBIAN debian/$dbgsym/DEBIAN  # also where dpkg-shlibdeps sees a package's root
chmod -R u=rwX,go=rX debian/$name debian/$dbgsym
find debian/$dbgsym -name '*.debug' -exec chmod 0644 {} +

tar -C debian --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" --exclude=DEBIAN \
  --transform="s,^$name,$file_name," -cf - $name | gzip -9n > "$file_name.tar.gz"

dpkg-shlibdeps -Tdebian/$name.substvars debian/$name/usr/bin/*
dpkg-gencontrol -p$name -Pdebian/$name -Tdebian/$name.substvars
dpkg-gencontrol -p$name -Pdebian/$dbgsym -Tdebian/$name.substvars -DPackage=$dbgsym \
  "-DDepends=$name (= $version)" -DSection=debug -DPriority=optional -DAuto-Built-Package=debug-symbols \
  "-DDescription=debug symbols for $name" "-DBuild-Ids=$(printf '%s\n' "${ids[@]}" | sort | xargs)"
for p in $name $dbgsym; do
  (cd debian/$p && find . -type f ! -path './DEBIAN/*' -printf '%P\n' | LC_ALL=C sort | xargs -d '\n' md5sum) \
    > debian/$p/DEBIAN/md5sums
  chmod -R u=rwX,go=rX debian/$p/DEBIAN
  find debian/$p -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
done
dpkg-deb --root-owner-group --build debian/$name ${name}_${version}_$arch.deb
dpkg-deb --root-owner-group --build debian/$dbgsym ${dbgsym}_${version}_$arch.ddeb
