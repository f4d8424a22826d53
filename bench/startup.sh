#!/usr/bin/env bash
# Whole-process start-up under X: from process start until the main window is
# mapped (the MapNotify event, no polling), and the resident size at that moment,
# for `corrolab` and for a bare reference window (QMainWindow, a menu bar and 41
# child widgets of the same kinds), with and without the main window's fonts, run
# interleaved. Reports medians and ratios to the bare window (x) and to the one
# with the fonts (xf).
# Uses the current X display, or starts Xvfb for the runs.
# Usage: bench/startup.sh BUILD_DIR [RUNS] [OTHER_PROGRAM...]
#   BUILD_DIR  a build configured with -DCORROLAB_BUILD_BENCH=ON
#   OTHER_PROGRAM  more programs measured in the same rounds (an older build, say)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build-bench}"
runs="${2:-20}"
shift $(($# < 2 ? $# : 2))

# What only the benchmarks need.
command -v Xvfb >/dev/null || bash "$here/../scripts/install-deps.sh" xvfb

clock="$build/bench/run_clock"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$(mktemp -d)" # Qt warns on every start without one
fi
programs=("$build/bench/reference_window" "$build/bench/reference_window_fonts" "$build/corrolab" "$@")

if [ -z "${DISPLAY:-}" ]; then
  display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null' EXIT
  export DISPLAY="$display"
  sleep 1
fi
echo "display: $DISPLAY, $runs rounds, programs run in turn within each round"

results="$(mktemp)"
trap 'rm -f "$results"; [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null' EXIT
for program in "${programs[@]}"; do "$clock" --mapped -- "$program" >/dev/null; done # warm caches
for _ in $(seq "$runs"); do
  for index in "${!programs[@]}"; do
    # A run whose window never showed (the server refused it, say) is left out.
    if line="$("$clock" --mapped -- "${programs[$index]}")" && [ -n "$line" ]; then
      echo "$index $line" >>"$results"
    else
      echo "left out: a run of ${programs[$index]} that showed no window" >&2
    fi
  done
done

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
reference_ms=$(awk '$1==0 {print $2}' "$results" | median)
reference_kib=$(awk '$1==0 {print $3}' "$results" | median)
reference_cpu=$(awk '$1==0 {print $5}' "$results" | median)
# The second program is the reference window with the main window's fonts.
fonts_ms=$(awk '$1==1 {print $2}' "$results" | median)
fonts_cpu=$(awk '$1==1 {print $5}' "$results" | median)
# Processor time (all threads, until mapped) is what a busy machine inflates least.
printf '%-40s %9s %8s %9s %8s %8s %8s %8s %8s %8s\n' program "median ms" "min ms" "cpu ms" \
  "RSS MiB" "time x" "cpu x" "RSS x" "time xf" "cpu xf"
for index in "${!programs[@]}"; do
  ms=$(awk -v i="$index" '$1==i {print $2}' "$results" | median)
  kib=$(awk -v i="$index" '$1==i {print $3}' "$results" | median)
  cpu=$(awk -v i="$index" '$1==i {print $5}' "$results" | median)
  min=$(awk -v i="$index" '$1==i {print $2}' "$results" | sort -g | head -1)
  awk -v p="${programs[$index]}" -v ms="$ms" -v kib="$kib" -v cpu="$cpu" -v min="$min" \
    -v rms="$reference_ms" -v rkib="$reference_kib" -v rcpu="$reference_cpu" \
    -v fms="$fonts_ms" -v fcpu="$fonts_cpu" \
    'BEGIN {printf "%-40s %9.1f %8.1f %9.1f %8.1f %8.3f %8.3f %8.3f %8.3f %8.3f\n", p, ms, min, cpu, kib/1024, ms/rms, cpu/rcpu, kib/rkib, ms/fms, cpu/fcpu}'
done
