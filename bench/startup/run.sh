#!/usr/bin/env bash
# Start-up benchmark: time from exec to the first painted window and peak
# resident memory, for Tallyon, the bare Qt floor and the calculators of
# Debian's packages that are installed (xcalc from x11-apps, galculator,
# speedcrunch, kcalc). All run under one Xvfb, interleaved over ROUNDS
# rounds; prints median, min and max per program. Further NAME:PROGRAM
# arguments join the comparison (another build of Tallyon, say).
#   bench/startup/run.sh [BUILD_DIR] [ROUNDS] [NAME:PROGRAM...]
set -euo pipefail
build=${1:-build}
rounds=${2:-15}
shift $(($# < 2 ? $# : 2))
bin=$build/bin

home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home LC_ALL=C.UTF-8
Xvfb :91 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:91
sleep 1

programs=("tallyon:$bin/tallyon" "qt-floor:$bin/tallyon-qt-floor" "$@")
for candidate in xcalc galculator speedcrunch kcalc; do
  command -v "$candidate" >/dev/null && programs+=("$candidate:$(command -v "$candidate")")
done

declare -A times memory
for ((round = 1; round <= rounds; round++)); do
  for entry in "${programs[@]}"; do
    name=${entry%%:*}
    read -r ms kib < <(dbus-run-session -- "$bin/tallyon-first-paint" "${entry#*:}" 2>/dev/null)
    times[$name]+="$ms "
    memory[$name]+="$kib "
  done
done

stats() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{v[NR]=$1} END {printf "%8.1f %8.1f %8.1f", v[int((NR+1)/2)], v[1], v[NR]}'; }
printf '%-12s %26s %32s\n' program "first paint ms (med min max)" "peak RSS MiB (med min max)"
for entry in "${programs[@]}"; do
  name=${entry%%:*}
  t=$(echo "${times[$name]}" | stats)
  m=$(echo "${memory[$name]}" | tr ' ' '\n' | awk 'NF {printf "%.1f ", $1/1024}' | stats)
  printf '%-12s %26s %32s\n' "$name" "$t" "$m"
done
