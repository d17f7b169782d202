#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs each program of a build on its example, examples/PROG.txt, and checks that its
# output is exactly examples/PROG.out, under the emulator that CMake chose at configure
# time where the kernel cannot run the programs. Fails, naming the program, when one
# does not run or answers otherwise, and says how to build when the build is missing,
# and to configure again when a program cannot start.
# Usage: bash examples/run.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
hint="cmake --preset release && cmake --build --preset release"
[ -z "${1:-}" ] || hint="cmake -B $build && cmake --build $build"
for f in CMakeCache.txt splitpath/splitpath treedist/treedist factdigits/factdigits; do
  [ -e "$build/$f" ] || { echo "examples/run.sh: $build has no $f; build it with: $hint" >&2; exit 1; }
done
# The emulator is a CMake list: a program, then its arguments.
IFS=';' read -r -a emulator <<< "$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' "$build/CMakeCache.txt")"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for p in splitpath treedist factdigits; do
  status=0
  "${emulator[@]}" "$build/$p/$p" < "examples/$p.txt" > "$out" || status=$?
  # 126: the program did not start, as where the kernel's 32-bit support has changed
  # since configuring chose whether to emulate.
  [ $status -ne 126 ] || echo "$p: cannot start $build/$p/$p here; configure again: ${hint%% &&*}" >&2
  [ $status -eq 0 ] || { echo "$p: failed with status $status" >&2; exit 1; }
  cmp -s "$out" "examples/$p.out" || { echo "$p: printed '$(cat "$out")', not what examples/$p.out holds" >&2; exit 1; }
  echo "$p: $(cat "$out")"
done
