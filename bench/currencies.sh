#!/usr/bin/env bash
# The first choice of "Currencies" in a fresh main window, one choice a process,
# offscreen: medians of wall and processor time over RUNS processes of each
# program, run interleaved.
# Usage: bench/currencies.sh BUILD_DIR [RUNS] [OTHER_BENCH_CURRENCIES...]
set -euo pipefail
build="${1:-build-bench}"
runs="${2:-15}"
shift $(($# < 2 ? $# : 2))
programs=("$build/bench/bench_currencies" "$@")
export QT_QPA_PLATFORM=offscreen
results="$(mktemp)"
trap 'rm -f "$results"' EXIT
for _ in $(seq "$runs"); do
  for index in "${!programs[@]}"; do
    "${programs[$index]}" 2>/dev/null | awk -v i="$index" '/^FirstCurrenciesChoice/ {print i, $2, $4}' >>"$results"
  done
done
median() { sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
for index in "${!programs[@]}"; do
  wall=$(awk -v i="$index" '$1==i {print $2}' "$results" | median)
  cpu=$(awk -v i="$index" '$1==i {print $3}' "$results" | median)
  printf '%-50s median %6.2f ms, processor %6.2f ms (%d runs)\n' "${programs[$index]}" "$wall" "$cpu" "$runs"
done
