#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the packages from the release build (cpack --preset release) and checks them:
#  - the .deb holds exactly the programs, their compressed pages, the copyright and the
#    changelog, and the .tar.gz the same files, byte for byte, with the same modes (0755
#    for directories and programs, 0644 for the rest), root as owner and, as every
#    member, the changelog's time (or SOURCE_DATE_EPOCH);
#  - name, version (the changelog's, as dpkg-parsechangelog reads it, and each packaged
#    program's --version) and architecture; Depends as read independently of
#    dpkg-shlibdeps: the C library at the newest version that its symbols file gives
#    any symbol the programs import; Static-Built-Using: the source packages, at their
#    versions, of the packages that hold the compiler's libstdc++.a, libubsan.a,
#    libgcc.a and the C library's libc_nonshared.a; the changelog is cmake/changelog,
#    the copyright cmake/copyright, in Debian's machine-readable format (python3-debian
#    parses it);
#  - the licences: every object and archive member that the programs' link maps show
#    taken from the toolchain is listed in cmake/copyright.members, under licences
#    that cmake/copyright gives;
#  - the debug-symbols package: for each program, the file named by its build ID, with
#    the same build ID and the program's debug information, and named in the program's
#    debuglink; the Build-Ids field lists those IDs; no package holds the path of the
#    source tree;
#  - the .changes lists the two packages and the .buildinfo with their checksums, and
#    the .buildinfo the two packages; its Installed-Build-Depends names, at their
#    installed versions, the packages that hold the compiler, cmake, the build tool,
#    the static archives above, debhelper, dwz, the cross strip and libc6:i386;
#  - lintian, given the .changes, finds nothing in it, the .buildinfo and the two
#    packages, not even a pedantic or informational tag (the hardening ones among them),
#    but the experimental tag binary-file-built-without-LFS-support: the runtimes linked
#    in statically (libubsan, libstdc++) import open, mmap, getrlimit and setrlimit,
#    calls without large-file support that lintian lists (and fstat and lstat, which it
#    does not); the programs' own code calls none of them. Where lintian does not know
#    the field Static-Built-Using (lintian 2.116, Debian 12), its unknown-field tag for
#    it is let pass too.
# Installs what it needs where it is missing (with tools/deps).
# Usage: bash tests/package.sh   (after cmake --build --preset release)
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "tests/package.sh: $*" >&2; exit 1; }
build=build/release
[ -e $build/splitpath/splitpath ] || fail "no release build; make it with: cmake --preset release && cmake --build --preset release"
bash tools/deps lintian python3-debian
cpack --preset release > $build/cpack.log 2>&1 || { cat $build/cpack.log; fail "cpack failed"; }
version=$(dpkg-parsechangelog -l cmake/changelog -S Version)
epoch=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l cmake/changelog -S Timestamp)}
deb=$build/graphtools_${version}_i386.deb dbg=$build/graphtools-dbgsym_${version}_i386.deb
tgz=$build/graphtools-${version}-i386.tar.gz changes=$build/graphtools_${version}_i386.changes
cache() { sed -n "s/^$1:[A-Z]*=//p" $build/CMakeCache.txt; }
IFS=';' read -r -a emulator <<< "$(cache CMAKE_CROSSCOMPILING_EMULATOR)"
x=$(mktemp -d)
trap 'rm -rf "$x"' EXIT

# The members as "mode owner size time name", the time in UTC.
members() { TZ=UTC tar -tv --full-time --numeric-owner | awk '{ sub("^[^/]*/?", "", $6); print $1, $2, $3, $4 "T" $5, $6 }'; }
dpkg-deb --fsys-tarfile "$deb" | members > "$x/deb.list"
gzip -dc "$tgz" | members > "$x/tgz.list"
cmp -s "$x/deb.list" "$x/tgz.list" || fail "$tgz lists other files, modes, owners or times than $deb: $(diff "$x/deb.list" "$x/tgz.list")"
files="usr/bin/factdigits usr/bin/splitpath usr/bin/treedist usr/share/doc/graphtools/changelog.gz
usr/share/doc/graphtools/copyright usr/share/man/man1/factdigits.1.gz usr/share/man/man1/splitpath.1.gz
usr/share/man/man1/treedist.1.gz"
[ "$(awk '$1 !~ /^d/ { print $5 }' "$x/deb.list" | sort)" = "$(echo $files | tr ' ' '\n')" ] ||
  fail "$deb holds other files than the programs, pages, copyright and changelog: $(cat "$x/deb.list")"
time=$(date -u -d "@$epoch" +%Y-%m-%dT%H:%M:%S)
for p in "$deb" "$dbg"; do
  dpkg-deb --fsys-tarfile "$p" | members | awk -v t="$time" '!(($1 ~ /^d/ || $5 ~ /^usr.bin/ ? $1 == "drwxr-xr-x" ||
    $1 == "-rwxr-xr-x" : $1 == "-rw-r--r--" || $1 ~ /^l/) && $2 == "0/0" && $4 == t)' | grep . &&
    fail "these members of $p have another mode, owner or time than 0755/0644, 0/0, $time"
done
mkdir "$x/deb" "$x/tgz" "$x/dbg"
dpkg-deb -x "$deb" "$x/deb"
tar -xzf "$tgz" -C "$x/tgz" --strip-components=1
diff -r "$x/deb" "$x/tgz" || fail "$tgz holds other bytes than $deb"

field() { dpkg-deb -f "$1" "$2"; }
[ "$(field "$deb" Package) $(field "$deb" Version) $(field "$deb" Architecture)" = "graphtools $version i386" ] ||
  fail "control fields: $(field "$deb" Package) $(field "$deb" Version) $(field "$deb" Architecture)"
# grep reads to the end rather than -q: with pipefail, a writer cut off by -q's early
# exit (SIGPIPE) would fail the check.
for p in splitpath treedist factdigits; do
  field "$deb" Description | grep "^ *- $p: " > /dev/null || fail "the description does not say what $p does"
  [ "$("${emulator[@]}" "$x/deb/usr/bin/$p" --version | cut -d' ' -f1-2)" = "$p $version" ] || fail "$p --version is not $version"
done
gzip -dc "$x/deb/usr/share/doc/graphtools/changelog.gz" | cmp -s - cmake/changelog || fail "changelog.gz is not cmake/changelog"
cmp -s "$x/deb/usr/share/doc/graphtools/copyright" cmake/copyright || fail "the copyright is not cmake/copyright"
/usr/bin/python3 -c 'import sys, debian.copyright as c
try: c.Copyright(open(sys.argv[1]), strict=True)
except Exception as e: sys.exit("tests/package.sh: cmake/copyright is not in the machine-readable format: " + str(e))' cmake/copyright
# Each imported name@GLIBC_VERSION's line in the symbols file gives the C library's
# first version that has it; a name it lacks fails the check.
symbols=/var/lib/dpkg/info/libc6:i386.symbols
objdump -T "$x"/deb/usr/bin/* | awk '/\*UND\*/ && $(NF-1) ~ /GLIBC_/ { gsub(/[()]/, "", $(NF-1)); print $NF "@" $(NF-1) }' |
  sort -u > "$x/imported"
libc=$(awk 'NR == FNR { need[$1] = 1; next } $1 in need { print $2; found[$1] = 1 }
            END { for (s in need) if (!(s in found)) print "none: " s }' "$x/imported" "$symbols" | sort -V | tail -1)
[ "$(field "$deb" Depends)" = "libc6 (>= $libc)" ] || fail "Depends is '$(field "$deb" Depends)', the symbols say libc6 (>= $libc)"
# The package, and the source package and version, of the file that holds $1.
package() { dpkg-query -S "$(realpath "$1")" | sed -n '1s/: .*//p'; }
source() { dpkg-query -W -f='${source:Package} (= ${source:Version})\n' "$(package "$1")"; }
compiler=$(cache CMAKE_CXX_COMPILER)
archives=()
for a in libstdc++.a libubsan.a libgcc.a libc_nonshared.a; do archives+=("$($compiler -m32 -print-file-name=$a)"); done
static=$(for a in "${archives[@]}"; do source "$a"; done | sort -u | paste -sd, | sed 's/,/, /g')
[ "$(field "$deb" Static-Built-Using)" = "$static" ] ||
  fail "Static-Built-Using is '$(field "$deb" Static-Built-Using)', the static archives' sources are '$static'"

# What the link took from the toolchain, as the link maps name it (an object loaded
# whole, or ARCHIVE(MEMBER)), is listed in cmake/copyright.members under licences that
# cmake/copyright gives.
while read -r l; do
  grep -xF "License: $l" cmake/copyright > /dev/null || fail "cmake/copyright.members names a licence that cmake/copyright does not give: $l"
done < <(sed -n 's/^License: //p' cmake/copyright.members)
awk '/^#/ || /^License: / { next } $1 ~ /:$/ { sub(/:$/, "", $1); for (i = 2; i <= NF; i++) print $1 "(" $i ")"; next }
     { for (i = 1; i <= NF; i++) print $i }' cmake/copyright.members | sort -u > "$x/covered"
awk '/^Archive member included/ { a = 1; next } /^[A-Z]/ { a = 0 }
     a && /^\// || /^LOAD \/.*\.o$/ { f = $1 == "LOAD" ? $2 : $1; sub(/.*\//, "", f); print f }' $build/{splitpath,treedist,factdigits}/*.map | sort -u > "$x/linked"
uncovered=$(comm -23 "$x/linked" "$x/covered" | xargs)
[ -z "$uncovered" ] || fail "the programs hold code that cmake/copyright.members does not list: $uncovered. For each, find" \
  "the licence of its source, give it in cmake/copyright (the Files: paragraph of its source), and list the member" \
  "under that licence in cmake/copyright.members"

dpkg-deb -x "$dbg" "$x/dbg"
[ "$(field "$dbg" Package) $(field "$dbg" Depends)" = "graphtools-dbgsym graphtools (= $version)" ] ||
  fail "$dbg: $(field "$dbg" Package) $(field "$dbg" Depends)"
build_id() { LC_ALL=C readelf -n "$1" 2> /dev/null | sed -n 's/^ *Build ID: //p'; }
ids=()
for p in splitpath treedist factdigits; do
  i=$(build_id "$x/deb/usr/bin/$p") && ids+=("$i")
  debug=$x/dbg/usr/lib/debug/.build-id/${i:0:2}/${i:2}.debug
  [ -f "$debug" ] && [ "$(build_id "$debug")" = "$i" ] || fail "$dbg holds no debug file with $p's build ID $i"
  readelf --debug-dump=info "$debug" 2> /dev/null | grep "DW_AT_name *: .*: $p/$p.cpp$" > /dev/null || fail "$debug lacks $p.cpp's debug information"
  readelf -p .gnu_debuglink "$x/deb/usr/bin/$p" | grep "] *${i:2}.debug$" > /dev/null || fail "$p's debuglink does not name $debug"
done
find "$x/dbg" -type f -exec objcopy --decompress-debug-sections {} \;
[ "$(field "$dbg" Build-Ids)" = "$(printf '%s\n' "${ids[@]}" | sort | xargs)" ] || fail "Build-Ids: $(field "$dbg" Build-Ids)"
src=$(pwd -P)
! grep -rlF -e "$src/build" -e "$src/splitpath" -e "$src/treedist" -e "$src/factdigits" "$x" || fail "these files name $src"

# The .changes and the .buildinfo: the files they list, with their checksums.
listed() { sed -n '/^Checksums-Sha256:/,/^[^ ]/s/^ \([0-9a-f]\{64\}\) [0-9]* \(.*\)/\1  \2/p' "$1" | sort -k2; }
buildinfo=${changes%.changes}.buildinfo
[ "$(listed "$changes" | awk '{ print $2 }' | xargs)" = "${dbg##*/} ${buildinfo##*/} ${deb##*/}" ] ||
  fail "$changes does not list the two packages and the .buildinfo: $(listed "$changes")"
[ "$(listed "$buildinfo" | awk '{ print $2 }' | xargs)" = "${dbg##*/} ${deb##*/}" ] ||
  fail "$buildinfo does not list the two packages: $(listed "$buildinfo")"
(cd $build && listed "${changes##*/}" | sha256sum --quiet -c && listed "${buildinfo##*/}" | sha256sum --quiet -c) ||
  fail "a checksum in $changes or $buildinfo is not that of the file"
sed -n '/^Installed-Build-Depends:/,/^[^ ]/s/^ \(.*\),\?$/\1/p' "$buildinfo" | sed 's/,$//' > "$x/used"
for p in $(package "$compiler") $(package "$(cache CMAKE_COMMAND)") $(package "$(cache CMAKE_MAKE_PROGRAM)") \
         $(for a in "${archives[@]}"; do package "$a"; done) debhelper dwz binutils-i686-linux-gnu libc6:i386; do
  grep -xF "$p (= $(dpkg-query -W -f='${Version}' "$p"))" "$x/used" > /dev/null ||
    fail "$buildinfo does not record $p at its installed version among the build's dependencies"
done

# lintian ends with status 1 on an error tag, 2 when it fails itself.
lintian --display-info --pedantic --display-experimental "$changes" > $build/lintian.log 2>&1 ||
  { cat $build/lintian.log; fail "lintian reports errors or failed"; }
known='^X: graphtools: binary-file-built-without-LFS-support '
grep -x Static-Built-Using /usr/share/lintian/data/fields/binary-fields > /dev/null ||
  known="$known|^W: graphtools(-dbgsym)?: unknown-field Static-Built-Using$"
! grep -E '^[A-Z]: ' $build/lintian.log | grep -Ev "$known" || fail "lintian reports the tags above"
echo "tests/package.sh: $deb, $dbg, $tgz and $changes: files, modes, times, fields, licences, debug symbols, the build's record and lintian checked"
