#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fuzzes each program's standard input with AFL++ for SECONDS per program, built
# with a capacity of 2^10 vertex slots so that a full-capacity instance is a few
# kilobytes and every limit is in reach. Then replays everything AFL++ kept (queue,
# crashes, hangs) through an AddressSanitizer + UBSan build of the same capacity and
# checks each run against the test runner's oracles: the right answer with nothing
# on standard error, or a one-line refusal with status 1. Prints one table row per
# program: its time limit and the time it ran, execs, execs/s, paths, crashes, hangs
# and wrong runs.
# Usage: bash fuzz/run.sh SECONDS [PROGRAM...]   (default: all three, one after another)
#        SEED=N picks AFL++'s random seed (default 1); EXECS=N also ends each program's
#        run after about N execs, so that a bounded run (CI) does the same work on any
#        machine that reaches N within SECONDS (a run that does not is reported).
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:?usage: bash fuzz/run.sh SECONDS [PROGRAM...]}
shift
progs=("$@")
[ ${#progs[@]} -gt 0 ] || progs=(splitpath treedist factdigits)
bits=10
bash tools/deps afl++ clang libclang-rt-dev  # Debian's clang packages only recommend the sanitizer runtimes
mkdir -p build/fuzz
g++ -std=c++17 -O2 -o build/fuzz/check tests/check.cpp

export AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1 AFL_NO_UI=1 AFL_NO_AFFINITY=1
rows=()
wrong_total=0
for p in "${progs[@]}"; do
  dir=build/fuzz/$p
  rm -rf "$dir" && mkdir -p "$dir/seeds" "$dir/asan"
  # Fuzzed build: AFL++ instrumentation and UBSan, which traps on undefined behaviour
  # (SIGILL, no report), a crash to AFL++.
  AFL_USE_UBSAN=1 afl-clang-fast++ -std=c++17 -O2 -DCAPACITY_BITS=$bits -o "$dir/$p" "$p/$p.cpp" 2> "$dir/build.log"
  # Replay build: AddressSanitizer and UBSan, any report fatal, the same capacity.
  clang++ -std=c++17 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -DCAPACITY_BITS=$bits \
    -o "$dir/asan/$p" "$p/$p.cpp"
  # Seeds: the example, every test case's input as the runner gives it to the program,
  # and instances at full capacity.
  cp "examples/$p.txt" "$dir/seeds/example"
  # The capacity cases' limits are filled in for this build's capacity, and the shared
  # graph cases' program name, as CMake does.
  files=(tests/cases/$p*.txt)
  [ $p = factdigits ] || files+=(tests/cases/graph.txt)
  for f in "${files[@]}"; do
    sed "s/@SLOTS@/$((1 << bits))/g; s/@LAST@/$(((1 << bits) - 1))/g; s/@NEXT@/$(((1 << bits) + 1))/g; s/@PROG@/$p/g" "$f" > "$dir/cases.txt"
    build/fuzz/check seeds "$dir/cases.txt" "$dir/seeds/$(basename "$f" .txt)-"
  done
  ! grep -l '@[A-Z_]*@' "$dir"/seeds/* || { echo "fuzz: a seed holds a placeholder that is not filled in" >&2; exit 1; }
  case $p in
    splitpath) awk -v n=$(((1 << bits) - 1)) 'BEGIN { print n, n; for (v = 0; v < n; v++) print v % 3
                 for (v = 0; v + 1 < n; v++) print v, v + 1, v % 7; print 0, n - 1, 1 }' > "$dir/seeds/full" ;;
    treedist) awk -v n=$((1 << bits)) 'BEGIN { print n, n - 1; for (v = 0; v + 1 < n; v++) print v, v + 1 }' > "$dir/seeds/full"
              awk -v n=$((1 << bits)) 'BEGIN { print n, n - 1; for (v = 1; v < n; v++) print int((v - 1) / 2), v }' > "$dir/seeds/binary" ;;
    factdigits) echo 2147483647 > "$dir/seeds/full" ;;
  esac
  afl-fuzz -V "$secs" ${EXECS:+-E "$EXECS"} -s "${SEED:-1}" -t 2000 -m none -x fuzz/dict -i "$dir/seeds" -o "$dir/out" -- "$dir/$p" \
    > "$dir/afl.log" 2>&1 || { tail -20 "$dir/afl.log"; exit 1; }
  stats=$dir/out/default/fuzzer_stats
  get() { awk -v k="$1" '$1 == k { print $3 }' "$stats"; }
  # Replay every kept input, and only those, through the AddressSanitizer build against
  # the oracles: each must have given one pass or one failure.
  shopt -s nullglob
  found=("$dir"/out/default/{queue,crashes,hangs}/id*)
  shopt -u nullglob
  wrong=0
  if [ ${#found[@]} -gt 0 ]; then
    build/fuzz/check replay $p "$dir/asan/$p" $bits "${found[@]}" > "$dir/replay.log" || true
    summary=$(tail -1 "$dir/replay.log")
    [[ $summary =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]] && [ $((BASH_REMATCH[1] + BASH_REMATCH[2])) -eq ${#found[@]} ] ||
      { echo "fuzz: $p: the replay did not check all ${#found[@]} kept inputs: $summary" >&2; exit 1; }
    wrong=${BASH_REMATCH[2]}
    grep -A4 '^FAIL ' "$dir/replay.log" | head -40 || true
    echo "$p: replayed ${#found[@]} kept inputs: $summary"
  fi
  wrong_total=$((wrong_total + wrong))
  [ -z "${EXECS:-}" ] || [ "$(get execs_done)" -ge $((EXECS * 99 / 100)) ] ||
    echo "note: $p stopped on its time limit after $(get execs_done) of about $EXECS execs"
  rows+=("| $p | $secs | $(get run_time) | $(get execs_done) | $(get execs_per_sec) | $(get corpus_count) | $(get saved_crashes) | $(get saved_hangs) | $wrong |")
done
echo "| program | time limit s | run time s | execs | execs/s | paths | crashes | hangs | wrong runs |"
echo "|---|---|---|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
# Findings stay under build/fuzz/PROGRAM/out; the replay's report is build/fuzz/PROGRAM/replay.log.
[ "$wrong_total" -eq 0 ]
