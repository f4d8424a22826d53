#!/usr/bin/env bash
# Pictures of the windows at the scales 1, 1.5 and 2, for review.
#
#   bash scripts/screenshots.sh [OUT]            each window alone, drawn offscreen
#   bash scripts/screenshots.sh --desktop [OUT]  also both windows as a window
#                                               manager places them (Xvfb, openbox)
#
# OUT defaults to build/screenshots; the program must be built (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

desktop=0
if [ "${1:-}" = "--desktop" ]; then
  desktop=1
  shift
fi
out="${1:-build/screenshots}"
program=./build/corrolab
[ -x "$program" ] || { echo "screenshots: build first (bash scripts/build.sh)" >&2; exit 1; }
scales=(1 1.5 2)

for scale in "${scales[@]}"; do
  # (without the offscreen platform's notes about what it cannot do)
  QT_SCALE_FACTOR="$scale" "$program" --screenshot "$out/scale-$scale" 2>&1 >/dev/null \
    | { grep -v -e 'does not support' -e 'XDG_RUNTIME_DIR' >&2 || true; }
  echo "$out/scale-$scale"
done
[ "$desktop" = 1 ] || exit 0

# The desktop check needs a virtual screen, a window manager and two X tools.
missing=()
for tool in Xvfb:xvfb openbox:openbox import:imagemagick xdotool:xdotool; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Each scale on a screen of its usual size: 1280 x 1024 at 1, 1920 x 1080 at 1.5,
# 2560 x 1440 at 2; and 1280 x 1024 at 2 (640 x 512 in the program's pixels).
run_desktop() {
  local scale=$1 size=$2 name=$3 display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp &
  local xvfb=$!
  sleep 1
  DISPLAY="$display" openbox &
  local wm=$!
  sleep 1
  DISPLAY="$display" QT_SCALE_FACTOR="$scale" "$program" &
  local app=$!
  sleep 2
  # The tools window, opened from the keyboard: ten Tabs from the value box reach
  # "Material ...", which Space presses.
  DISPLAY="$display" xdotool search --sync --name '^Corrolab$' windowactivate --sync
  DISPLAY="$display" xdotool key --delay 50 --repeat 10 Tab
  DISPLAY="$display" xdotool key space
  sleep 1
  DISPLAY="$display" import -window root "$out/desktop-$name.png"
  echo "$out/desktop-$name.png"
  # Always on Top: the tools window stays above the main window.
  DISPLAY="$display" xdotool search --name '^Corrolab$' windowactivate --sync
  DISPLAY="$display" xdotool key alt+f t
  sleep 1
  DISPLAY="$display" xdotool search --name '^Corrolab$' windowactivate
  sleep 1
  DISPLAY="$display" import -window root "$out/desktop-$name-on-top.png"
  echo "$out/desktop-$name-on-top.png"
  kill "$app" "$wm" "$xvfb" 2>/dev/null || true
  wait "$app" "$wm" "$xvfb" 2>/dev/null || true
}
run_desktop 1 1280x1024 "1-1280x1024"
run_desktop 1.5 1920x1080 "1.5-1920x1080"
run_desktop 2 2560x1440 "2-2560x1440"
run_desktop 2 1280x1024 "2-1280x1024"
