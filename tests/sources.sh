#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks of the programs' sources that no answer shows.
# Usage: bash tests/sources.sh copies
#          The code that splitpath.cpp and treedist.cpp share, from the line
#          "// ---- Shared with ..." to "// ---- End of the code shared with ...", is
#          the same in both but for the program's name, the help text's lines and
#          --version's printf line.
#        bash tests/sources.sh lines CXX PROGRAM...
#          The debug information of each built PROGRAM gives main's line as its source
#          has it, and so does that of a copy of the source with a line added below
#          its first, compiled with CXX: the file-name directive names the lines.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "tests/sources.sh: $*" >&2; exit 1; }
if [ "${1-}" = copies ]; then
  for p in splitpath treedist; do
    [ "$(grep -c -e '^// ---- Shared with ' -e '^// ---- End of the code shared with ' $p/$p.cpp)" = 2 ] ||
      fail "$p/$p.cpp lacks the line that starts or the one that ends the shared code, or has more"
  done
  shared() {
    sed -n '/^\/\/ ---- Shared with /,/^\/\/ ---- End of the code shared with /p' "$1/$1.cpp" |
      sed -e 's/splitpath\|treedist/PROG/g' -e '/^ *"/d' -e '/^ *printf("PROG %s (/d'
  }
  diff -u <(shared splitpath) <(shared treedist) ||
    fail "the code that splitpath.cpp and treedist.cpp share differs (above, as PROG): make the copies the same"
  echo "tests/sources.sh: the shared code is the same in splitpath.cpp and treedist.cpp"
elif [ "${1-}" = lines ] && [ $# -gt 2 ]; then
  cxx=$2
  shift 2
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  line() { readelf --debug-dump=info "$1" | awk '/DW_AT_name.*: main$/ { m = 1 } m && /DW_AT_decl_line/ { print $NF; exit }'; }
  for prog in "$@"; do
    name=${prog##*/}
    at=$(grep -n '^int main(' "$name/$name.cpp" | cut -d: -f1)
    [ "$(line "$prog")" = "$at" ] || fail "$prog: the debug information has main at line $(line "$prog"), $name.cpp at $at"
    sed '1a// A line added to the header.' "$name/$name.cpp" > "$work/$name.cpp"
    "$cxx" -std=c++17 -g -c -DCAPACITY_BITS=10 -o "$work/$name.o" "$work/$name.cpp"
    [ "$(line "$work/$name.o")" = $((at + 1)) ] ||
      fail "with a line added below the first of $name.cpp, main is at line $((at + 1)), the debug information says $(line "$work/$name.o")"
  done
  echo "tests/sources.sh: the debug information has main at its line in $*"
else
  echo "usage: see the first lines of tests/sources.sh" >&2
  exit 2
fi
