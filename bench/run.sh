#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Benchmarks the release programs on large generated instances (not kept) and prints
# figures, not verdicts: this machine's timings vary by a third or more from run to run.
# It makes its own builds in build/bench/PRESET, configured afresh each time, and leaves
# the other build directories alone. Where the kernel cannot start 32-bit programs, the
# release build runs only under emulation, whose times say nothing about the target;
# there the script measures the 64-bit host build (preset host) against host-unchecked
# instead, natively, and says so. The instances follow the capacity of the programs it
# times, as their --version tells it.
#  1. Per instance: median and min-max wall time of RUNS runs, peak memory, and the
#     ratio of the build to the same sources built without the undefined-behaviour
#     checks (preset unchecked or host-unchecked), the two run in turn, pair by pair; the
#     ratio is the median of the pairs' ratios. The input's size over each median time
#     gives MB/s: on the -read instances, which are almost all reading, the reader's speed.
#  2. Growth: each graph program on random graphs of one density, the vertex count
#     doubling up to its capacity: median time and peak memory per size, and the
#     exponent k of time ~ (n + m)^k fitted over the larger half of the sizes (the
#     smaller ones mostly time the start-up). Plot: build/bench/growth.png.
# Usage: bash bench/run.sh [RUNS [CMAKE_OPTION...]]   (default 5 runs; options such as
#        -DSPLITPATH_CAPACITY_BITS=20 go to the configuring of both builds)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
shift $(($# > 0))
options=("$@")
bash tools/deps time gnuplot-nox
out=build/bench
# Configures and builds preset $1 in $out/$1 with the options given.
build() {
  echo "bench: building $out/$1: cmake --preset $1 -B $out/$1 --fresh -DBUILD_TESTING=OFF ${options[*]}" >&2
  cmake --preset "$1" -B "$out/$1" --fresh -DBUILD_TESTING=OFF "${options[@]}" > "$out/$1.log" &&
    cmake --build "$out/$1" >> "$out/$1.log" || { cat "$out/$1.log"; exit 1; }
}
mkdir -p $out
build release
if grep -q '^CMAKE_CROSSCOMPILING_EMULATOR:STRING=.' $out/release/CMakeCache.txt; then
  checked=host unchecked=host-unchecked
  what="Host build (64-bit -O2 PIE, recovering UB checks, hardened; this kernel runs the 32-bit release build only under emulation, so it is not timed)"
  build $checked
else
  checked=release unchecked=unchecked
  what="Release build (-m32 -O2 PIE, recovering UB checks, hardened)"
fi
build $unchecked
# The largest vertex counts of the programs timed, from their --version.
cap() { "$out/$checked/$1/$1" --version | sed -n 's/.*vertex count up to \([0-9]*\).*/\1/p'; }
scap=$(cap splitpath) tcap=$(cap treedist)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -O2 -o "$work/gen" bench/gen.cpp

# Runs program $1 on $work/in; sets secs (wall time) and mib (peak resident memory).
measure() {
  local t0=$EPOCHREALTIME
  /usr/bin/time -f %M -o "$work/mem" "$1" < "$work/in" > "$work/out"
  secs=$(awk -v a="$t0" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.4f", b - a }')
  mib=$(awk '{ k = $1 } END { printf "%.1f", k / 1024 }' "$work/mem")
}
# Median, minimum and maximum of the numbers in file $1.
stats() {
  sort -g "$1" | awk '{ v[NR] = $1 } END { printf "%.3f %.3f %.3f\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[1], v[NR] }'
}

echo "$what, $runs runs each; unchecked: the same without the checks (nor the hardening)."
echo "Vertex counts up to $scap (splitpath) and $tcap (treedist)."
echo
echo "| program | instance | n | m | answer | median s | min-max s | peak MiB | unchecked median s | ratio with/without checks | input MB/s, with/without checks |"
echo "|---|---|---|---|---|---|---|---|---|---|---|"
while read -r prog kind; do
  size=$scap
  [ $prog != treedist ] || size=$tcap
  "$work/gen" "$kind" 1 "$size" > "$work/in"
  read -r n m < "$work/in" || true
  measure "$out/$checked/$prog/$prog"  # warm-up, not counted
  cp "$work/out" "$work/answer"
  : > "$work/a"; : > "$work/b"; : > "$work/r"
  for ((r = 0; r < runs; r++)); do
    measure "$out/$checked/$prog/$prog"; a=$secs peak=$mib
    measure "$out/$unchecked/$prog/$prog"; b=$secs
    cmp -s "$work/out" "$work/answer" || { echo "bench: $prog $kind: the builds disagree" >&2; exit 1; }
    echo "$a" >> "$work/a"; echo "$b" >> "$work/b"
    awk -v a="$a" -v b="$b" 'BEGIN { printf "%.4f\n", a / b }' >> "$work/r"
  done
  read -r med lo hi < <(stats "$work/a")
  read -r umed _ _ < <(stats "$work/b")
  read -r ratio rlo rhi < <(stats "$work/r")
  answer=$(head -c 24 "$work/answer" | tr -d '\n')
  [ "$(wc -c < "$work/answer")" -le 24 ] || answer="$answer... ($(($(wc -c < "$work/answer") - 1)) digits)"
  rate=$(awk -v b="$(wc -c < "$work/in")" -v t="$med" -v u="$umed" 'BEGIN { if (b < 1e6) print "-"; else printf "%.1f / %.1f", b / 1e6 / t, b / 1e6 / u }')
  echo "| $prog | $kind | $n | ${m:--} | $answer | $med | $lo-$hi | $peak | $umed | $ratio ($rlo-$rhi) | $rate |"
done <<'LIST'
splitpath split-random
splitpath split-grid
splitpath split-read
treedist tree-random
treedist tree-path
treedist tree-graph
treedist tree-read
factdigits fact-max
LIST

echo
echo "Growth on random graphs of one density (splitpath m/n = 3.81, treedist m/n = 3.81), $checked build."
echo
echo "| program | n | m | median s | min-max s | peak MiB |"
echo "|---|---|---|---|---|---|"
fits=()
while read -r prog kind cap; do
  first=$(((cap + 1) / 64 - cap % 2))  # the capacity halved six times
  : > "$out/growth-$prog.dat"
  for ((size = first; size <= cap; size = 2 * size + (cap % 2))); do
    "$work/gen" "$kind" 1 "$size" > "$work/in"
    read -r n m < "$work/in"
    : > "$work/a"
    for ((r = 0; r < runs; r++)); do
      measure "$out/$checked/$prog/$prog"
      echo "$secs" >> "$work/a"
    done
    read -r med lo hi < <(stats "$work/a")
    echo "| $prog | $n | $m | $med | $lo-$hi | $mib |"
    echo "$((n + m)) $med $mib" >> "$out/growth-$prog.dat"
  done
  # Least-squares slope of log time against log (n + m) over the larger half.
  k=$(awk '{ x[NR] = log($1); y[NR] = log($2) }
           END { for (i = int(NR / 2) + 1; i <= NR; i++) { c++; sx += x[i]; sy += y[i]; sxx += x[i] * x[i]; sxy += x[i] * y[i] }
                 printf "%.2f", (c * sxy - sx * sy) / (c * sxx - sx * sx) }' "$out/growth-$prog.dat")
  fits+=("$prog: time ~ (n + m)^$k")
done <<LIST
splitpath split-random $scap
treedist tree-graph $tcap
LIST
echo
echo "Exponent fitted over the larger half of the sizes:"
printf -- '- %s\n' "${fits[@]}"

machine="$(nproc)-core $(uname -m), $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
machine=${machine//_/\\\\_}  # no subscripts in gnuplot's enhanced text
gnuplot <<EOF
set terminal png size 960,480
set output "$out/growth.png"
set multiplot layout 1,2 title "Growth at fixed density, $checked build ($(date +%F), $machine)"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set xlabel "input size n + m"
set key top left
set grid
set ylabel "median wall time, s"
plot "$out/growth-splitpath.dat" using 1:2 with linespoints title "splitpath", \
     "$out/growth-treedist.dat" using 1:2 with linespoints title "treedist"
set ylabel "peak memory, MiB"
plot "$out/growth-splitpath.dat" using 1:3 with linespoints title "splitpath", \
     "$out/growth-treedist.dat" using 1:3 with linespoints title "treedist"
unset multiplot
EOF
echo "Plot: $out/growth.png"
