#!/usr/bin/env bash
# Runs each program of a build on its example and prints the answers, under the
# emulator that CMake chose at configure time where the kernel cannot run them.
# Fails when a program does not run or prints no answer.
# Usage: bash examples/run.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
emulator=$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' "$build/CMakeCache.txt")
for p in splitpath treedist factdigits; do
  answer=$($emulator "$build/$p/$p" < "examples/$p.txt")
  [ -n "$answer" ] || { echo "$p: no answer" >&2; exit 1; }
  echo "$p: $answer"
done
