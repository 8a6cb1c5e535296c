#!/usr/bin/env bash
# Takes the screenshots in docs/: the real program under Xvfb with openbox,
# at device-pixel ratio 1 (docs/tallyon-1x.png) and 2 (docs/tallyon-2x.png),
# each of the window with its frame, at the first start (default value); and
# the same with the functions panel shown, angles in degrees
# (docs/tallyon-functions-1x.png, docs/tallyon-functions-2x.png).
#   desktop/screenshots.sh [PROGRAM]   (default: build/bin/tallyon)
# Needs ImageMagick's import (package imagemagick) besides the test tools.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/tallyon}")
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$work/display" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_RUNTIME_DIR="$work" LC_ALL=C.UTF-8
openbox --sm-disable --startup "touch $work/wm-ready" &
pids+=($!)
for _ in $(seq 100); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done

# shoot NAME RATIO [SETTINGS]: the window at that ratio into docs/NAME-RATIOx.png,
# started from a settings file holding SETTINGS (none: a first start).
shoot() {
  rm -rf "$work/.config"
  if [ -n "${3:-}" ]; then
    mkdir -p "$work/.config/Corvane"
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n%b' "$3" \
      >"$work/.config/Corvane/Tallyon.reg"
  fi
  QT_SCALE_FACTOR=$2 "$program" &
  pid=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tallyon - Freeware$' | head -n1)
  xdotool mousemove 1000 700 # no key under the pointer
  sleep 0.5 # the first paint
  import -window "$window" -frame "docs/$1-$2x.png"
  kill "$pid"
  wait "$pid" || true
  echo "docs/$1-$2x.png"
}

for ratio in 1 2; do
  shoot tallyon $ratio
  shoot tallyon-functions $ratio '"Functions"=dword:00000001\n"AngularMeasure"=dword:00000001\n'
done
