#!/usr/bin/env bash
# Runs every benchmark instance through the release build and prints one Markdown
# table: wall time and peak memory per instance, against its budget.
# Usage: bash bench/run.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
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
  /usr/bin/time -f '%e %M' -o "$work/time" "$build/$prog/$prog" < "$work/in" > "$work/out"
  read -r wall kib < "$work/time"
  peak=$(awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }')
  ok=$(awk -v w="$wall" -v s="$secs" -v p="$peak" -v b="$mib" 'BEGIN { print (w <= s && p <= b) ? "yes" : "NO" }')
  echo "| $prog | $kind | $n | $m | $(cat "$work/out") | $wall | $peak | <= $secs s, <= $mib MiB | $ok |"
done <<'LIST'
splitpath split-random 6.5 64
splitpath split-grid 0.8 64
treedist tree-random 0.5 160
treedist tree-path 0.5 160
treedist tree-graph 3 160
LIST
