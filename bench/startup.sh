#!/usr/bin/env bash
# Whole-process start-up of Corrolab: from process start until the main window has
# been shown (the program quits at once when CORROLAB_QUIT_WHEN_SHOWN is set), and
# its resident size. Uses the current X display, or starts Xvfb for the runs.
# Usage: bench/startup.sh [path/to/corrolab] [RUNS]
set -euo pipefail
program="${1:-build/corrolab}"
runs="${2:-20}"
export CORROLAB_QUIT_WHEN_SHOWN=1

if [ -z "${DISPLAY:-}" ]; then
  display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null' EXIT
  export DISPLAY="$display"
  sleep 1
fi
echo "display: $DISPLAY"

"$program" >/dev/null 2>&1 # warm the file cache
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
done | sort -n | awk '{a[NR]=$1} END {printf "start-up ms over %d runs: min %d, median %d, max %d\n", NR, a[1], a[int((NR+1)/2)], a[NR]}'
/usr/bin/time -f "max resident size: %M KiB" "$program" 2>&1 >/dev/null | tail -1
