#!/usr/bin/env bash
# Fuzzes each program's standard input with AFL++ for SECONDS per program, then
# replays everything it found through the release build and checks the contract:
# exit 0 with one answer line and nothing on standard error, or exit 1 with nothing
# on standard output and one line on standard error that names the program.
# Usage: bash fuzz/run.sh SECONDS [PROGRAM...]   (default: all three, one after another)
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:?usage: bash fuzz/run.sh SECONDS [PROGRAM...]}
shift
progs=("$@")
[ ${#progs[@]} -gt 0 ] || progs=(splitpath treedist factdigits)
bash tools/deps afl++ clang
[ -x build/release/factdigits/factdigits ] || { cmake --preset release && cmake --build --preset release; }

export AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1 AFL_NO_UI=1
export AFL_USE_ASAN=1 AFL_USE_UBSAN=1 AFL_NO_AFFINITY=1
report=()
for p in "${progs[@]}"; do
  dir=build/fuzz/$p
  rm -rf "$dir" && mkdir -p "$dir/seeds"
  # Instrumented host build with AddressSanitizer and UBSan; any report aborts.
  afl-clang-fast++ -std=c++17 -O1 -g -fno-sanitize-recover=all -o "$dir/$p" "$p/$p.cpp" 2>/dev/null
  # Seeds: the bundled example and the input of every test case.
  cp "examples/$p.txt" "$dir/seeds/example"
  awk -v d="$dir/seeds" '/^case:/ { f = sprintf("%s/case%03d", d, ++k); printf "" > f }
                         /^in:/ { sub(/^in: ?/, ""); print >> f }' "tests/cases/$p.txt"
  afl-fuzz -V "$secs" -t 2000 -m none -i "$dir/seeds" -o "$dir/out" -- "$dir/$p" > "$dir/afl.log" 2>&1 ||
    { tail -20 "$dir/afl.log"; exit 1; }
  stats=$dir/out/default/fuzzer_stats
  get() { awk -v k="$1" '$1 == k { print $3 }' "$stats"; }
  # Replay queue, crashes and hangs through the 32-bit release build.
  bad=0
  for f in "$dir"/out/default/{queue,crashes,hangs}/id*; do
    [ -e "$f" ] || continue
    st=0
    timeout 10 "build/release/$p/$p" < "$f" > "$dir/o" 2> "$dir/e" || st=$?
    lo=$(wc -l < "$dir/o"); le=$(wc -l < "$dir/e")
    if ! { [ $st -eq 0 ] && [ "$lo" -eq 1 ] && [ "$le" -eq 0 ]; } &&
       ! { [ $st -eq 1 ] && [ "$lo" -eq 0 ] && [ "$le" -eq 1 ] && grep -q "^$p: " "$dir/e"; }; then
      bad=$((bad + 1)); echo "contract broken by $f (status $st)"; head -c 300 "$dir/e"
    fi
  done
  report+=("| $p | $secs | $(get execs_done) | $(get corpus_count) | $(get saved_crashes) | $(get saved_hangs) | $bad |")
done
echo "| program | seconds | execs | paths | crashes | hangs | replay faults |"
echo "|---|---|---|---|---|---|---|"
printf '%s\n' "${report[@]}"
