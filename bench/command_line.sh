#!/usr/bin/env bash
# The command line against GNU units, whole process, run interleaved:
#  1. one conversion (`corrolab convert 1 micro_amp/cm^2 mpy`, `units -t` with one
#     conversion): median time and peak resident size;
#  2. streaming: `convert -` over 1,000,000 values for the corrosion-rate units and
#     for the currencies, against GNU units reading value/unit line pairs
#     (100,000 values: it takes about 9 us a value).
# Usage: bench/command_line.sh BUILD_DIR [RUNS] [OTHER_CORROLAB...]
#   BUILD_DIR  a build configured with -DCORROLAB_BUILD_BENCH=ON (for run_clock)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build-bench}"
runs="${2:-20}"
shift $(($# < 2 ? $# : 2))

# What only the benchmarks need.
command -v units >/dev/null || bash "$here/../scripts/install-deps.sh" units

clock="$build/bench/run_clock"
programs=("$build/corrolab" "$@")
rates="$here/../data/Currency.txt"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
median() { sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

echo "== one conversion, $runs rounds: medians of wall ms, processor ms, peak RSS MiB; wall x units"
"$clock" -- units -t '1 microamp/cm^2' 'A/m^2' >/dev/null # warm caches
for program in "${programs[@]}"; do "$clock" -- "$program" convert 1 micro_amp/cm^2 mpy >/dev/null; done
for _ in $(seq "$runs"); do
  echo "units $("$clock" -- units -t '1 microamp/cm^2' 'A/m^2')" >>"$work/one"
  for index in "${!programs[@]}"; do
    echo "$index $("$clock" -- "${programs[$index]}" convert 1 micro_amp/cm^2 mpy)" >>"$work/one"
  done
done
units_ms=$(awk '$1=="units" {print $2}' "$work/one" | median)
units_kib=$(awk '$1=="units" {print $3}' "$work/one" | median)
units_cpu=$(awk '$1=="units" {print $5}' "$work/one" | median)
awk -v ms="$units_ms" -v kib="$units_kib" -v cpu="$units_cpu" \
  'BEGIN {printf "%-45s %8.2f ms %6.2f cpu ms %6.1f MiB\n", "GNU units -t", ms, cpu, kib/1024}'
for index in "${!programs[@]}"; do
  ms=$(awk -v i="$index" '$1==i {print $2}' "$work/one" | median)
  kib=$(awk -v i="$index" '$1==i {print $3}' "$work/one" | median)
  cpu=$(awk -v i="$index" '$1==i {print $5}' "$work/one" | median)
  awk -v p="${programs[$index]}" -v ms="$ms" -v kib="$kib" -v u="$units_ms" -v cpu="$cpu" \
    'BEGIN {printf "%-45s %8.2f ms %6.2f cpu ms %6.1f MiB   %.2f x units\n", p, ms, cpu, kib/1024, ms/u}'
done

echo "== streaming, 3 rounds: medians for the whole process, wall and processor time"
seq 1 1000000 | awk '{printf "%d.%d\n", $1%997, $1%89}' >"$work/million"
seq 1 100000 | awk '{printf "%d.%d microamp/cm^2\nA/m^2\n", $1%997, $1%89}' >"$work/pairs"
for _ in 1 2 3; do
  for index in "${!programs[@]}"; do
    p="${programs[$index]}"
    echo "corrosion$index $("$clock" --stdin "$work/million" -- "$p" convert - micro_amp/cm^2 mpy)" >>"$work/stream"
    echo "currency$index $("$clock" --stdin "$work/million" -- "$p" convert --rates "$rates" - "US Dollar" Euro)" >>"$work/stream"
  done
  echo "units $("$clock" --stdin "$work/pairs" -- units -t)" >>"$work/stream"
done
for index in "${!programs[@]}"; do
  for kind in corrosion currency; do
    ms=$(awk -v k="$kind$index" '$1==k {print $2}' "$work/stream" | median)
    cpu=$(awk -v k="$kind$index" '$1==k {print $5}' "$work/stream" | median)
    awk -v p="${programs[$index]}" -v k="$kind" -v ms="$ms" -v cpu="$cpu" \
      'BEGIN {printf "%-45s %-9s %6.3f s %5.2f M values/s; processor %6.3f s %5.2f M values/s\n", p, k, ms/1000, 1000/ms, cpu/1000, 1000/cpu}'
  done
done
ms=$(awk '$1=="units" {print $2}' "$work/stream" | median)
cpu=$(awk '$1=="units" {print $5}' "$work/stream" | median)
awk -v ms="$ms" -v cpu="$cpu" 'BEGIN {printf "%-45s %-9s %6.3f s %5.2f us a value; processor %5.2f us a value (100,000 values)\n", "GNU units -t", "pairs", ms/1000, ms/100, cpu/100}'
