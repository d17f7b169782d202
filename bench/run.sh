#!/usr/bin/env bash
# Runs every benchmark instance through the release build and prints one Markdown
# table: wall time (best of RUNS) and peak memory per instance, against its budget.
# Usage: bash bench/run.sh [BUILD_DIR [RUNS]]   (default build/release, 3 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-3}
[ -x "$build/factdigits/factdigits" ] || { cmake --preset release && cmake --build --preset release; }
bash tools/deps time
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -O2 -o "$work/gen" bench/gen.cpp

echo "| program | instance | n | m | answer | wall s | peak MiB | budget | within |"
echo "|---|---|---|---|---|---|---|---|---|"
# program, generator kind, wall budget in s, memory budget in MiB
while read -r prog kind secs mib; do
  "$work/gen" "$kind" 1 > "$work/in"
  read -r n m < "$work/in"
  wall=; kib=0
  for ((r = 0; r < runs; r++)); do
    /usr/bin/time -f '%e %M' -o "$work/time" "$build/$prog/$prog" < "$work/in" > "$work/out"
    read -r w k < "$work/time"
    wall=$(awk -v a="$w" -v b="${wall:-$w}" 'BEGIN { print (a < b) ? a : b }')
    kib=$((k > kib ? k : kib))
  done
  answer=$(head -c 40 "$work/out")
  [ ${#answer} -lt 40 ] || answer="${answer}... ($(($(wc -c < "$work/out") - 1)) digits)"
  peak=$(awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }')
  ok=$(awk -v w="$wall" -v s="$secs" -v p="$peak" -v b="$mib" 'BEGIN { print (w <= s && p <= b) ? "yes" : "NO" }')
  echo "| $prog | $kind | $n | ${m:--} | $answer | $wall | $peak | <= $secs s, <= $mib MiB | $ok |"
done <<'LIST'
splitpath split-random 6.5 64
splitpath split-grid 0.8 64
treedist tree-random 0.5 160
treedist tree-path 0.5 160
treedist tree-graph 3 160
factdigits fact-max 0.1 16
LIST
