#!/usr/bin/env bash
# Start-up benchmark (bench/startup/README.md), in four tables:
#  1. exec to the first painted window and peak resident memory, for
#     Tallyon, the bare Qt floor and the calculators of Debian's packages
#     that are installed (xcalc from x11-apps, galculator, speedcrunch,
#     kcalc), interleaved over ROUNDS rounds under one bare Xvfb;
#  2. an XTest key press to the first changed pixel of the value display,
#     for Tallyon and the same calculators through their own digit keys,
#     KEY_ROUNDS rounds of eight keys each, interleaved;
#  3. Tallyon's context switches (all its threads) over IDLE_SECONDS from one
#     second after its window appears, in each of the three places it shows
#     in and hidden in the tray, under openbox with a system tray;
#  4. the window soak's resident memory over SOAK_ACTIONS random keys,
#     clicks and pastes (app_tests, offscreen).
# Each table gives the median, min and max; the load is printed with them.
# Further NAME:PROGRAM arguments join tables 1 and 2 (another build of
# Tallyon, say).
#   bench/startup/run.sh [BUILD_DIR] [ROUNDS] [NAME:PROGRAM...]
set -euo pipefail
build=${1:-build}
rounds=${2:-15}
shift $(($# < 2 ? $# : 2))
bin=$build/bin
key_rounds=${KEY_ROUNDS:-3}
idle_seconds=${IDLE_SECONDS:-30}
soak_actions=${SOAK_ACTIONS:-200000}

home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home LC_ALL=C.UTF-8
settings=$XDG_CONFIG_HOME/Corvane/Tallyon.reg

start_x() { # start_x DISPLAY: a private X server
  Xvfb "$1" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
}
stats() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{v[NR]=$1} END {printf "%8.1f %8.1f %8.1f", v[int((NR+1)/2)], v[1], v[NR]}'; }
stats_fine() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{v[NR]=$1} END {printf "%8.2f %8.2f %8.2f", v[int((NR+1)/2)], v[1], v[NR]}'; }
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"

start_x :91
export DISPLAY=:91
programs=("tallyon:$bin/tallyon" "qt-floor:$bin/tallyon-qt-floor" "$@")
for candidate in xcalc galculator speedcrunch kcalc; do
  command -v "$candidate" >/dev/null && programs+=("$candidate:$(command -v "$candidate")")
done

declare -A times memory
for ((round = 1; round <= rounds; round++)); do
  for entry in "${programs[@]}"; do
    name=${entry%%:*}
    # The last line: an accessibility bus started for a program may talk on the output too.
    read -r ms kib < <(dbus-run-session -- "$bin/tallyon-first-paint" "${entry#*:}" 2>/dev/null |
      tail -1)
    times[$name]+="$ms "
    memory[$name]+="$kib "
  done
done

echo
echo "1. start-up: $rounds interleaved rounds"
printf '%-12s %26s %32s\n' program "first paint ms (med min max)" "peak RSS MiB (med min max)"
for entry in "${programs[@]}"; do
  name=${entry%%:*}
  t=$(echo "${times[$name]}" | stats)
  m=$(echo "${memory[$name]}" | tr ' ' '\n' | awk 'NF {printf "%.1f ", $1/1024}' | stats)
  printf '%-12s %26s %32s\n' "$name" "$t" "$m"
done

# 2. The floor has no display; xcalc clears with Delete, the others with Escape.
if [ -x "$bin/tallyon-key-latency" ]; then
  declare -A latency resident
  for ((round = 1; round <= key_rounds; round++)); do
    for entry in "${programs[@]}"; do
      name=${entry%%:*}
      [ "$name" = qt-floor ] && continue
      clear=0xff1b
      [ "$name" = xcalc ] && clear=0xffff
      line=$(dbus-run-session -- "$bin/tallyon-key-latency" -n 1 -c $clear "${entry#*:}" \
        2>/dev/null | tail -1) || line=""
      read -r before after samples <<<"${line:-0 0}"
      latency[$name]+="$samples "
      resident[$name]="$before $after"
    done
  done
  echo
  echo "2. key press to the value display's first changed pixel: $key_rounds rounds of 8 keys"
  printf '%-12s %26s %6s %28s\n' program "ms (med min max)" lost "resident KiB (keys 1, last)"
  for entry in "${programs[@]}"; do
    name=${entry%%:*}
    [ "$name" = qt-floor ] && continue
    lost=$(echo "${latency[$name]}" | tr ' ' '\n' | grep -c '^-' || true)
    t=$(echo "${latency[$name]}" | tr ' ' '\n' | grep -v '^-' | tr '\n' ' ' | stats_fine)
    printf '%-12s %26s %6s %28s\n' "$name" "$t" "$lost" "${resident[$name]}"
  done
else
  echo "(no key-latency table: $bin/tallyon-key-latency was not built; it needs libxcb-xtest0-dev)"
fi

# 3. Idle, under a window manager with a system tray, on a session bus.
switches() { # switches PID: voluntary and involuntary, summed over its threads
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n + 0}'
}
count_idle() { # count_idle PID: context switches over idle_seconds
  local before
  before=$(switches "$1")
  sleep "$idle_seconds"
  echo $(($(switches "$1") - before))
}
start_x :92
export DISPLAY=:92
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$home/bus" 4>"$home/bus.pid"
pids+=("$(cat "$home/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS=$(cat "$home/bus")
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1
trayer --edge top --align right --widthtype pixel --width 60 --heighttype pixel --height 22 \
  --transparent false --SetDockType true >/dev/null 2>&1 &
pids+=($!)
sleep 1
echo
echo "3. idle: context switches of all of Tallyon's threads over $idle_seconds s, from 1 s after its window appears"
for mode in "1 taskbar and tray" "2 taskbar only" "3 tray only"; do
  mkdir -p "$(dirname "$settings")"
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"ShowIn"=dword:0000000%s\n' \
    "${mode%% *}" >"$settings"
  "$bin/tallyon" 2>/dev/null &
  tallyon=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tallyon - Freeware$' | head -1)
  sleep 1
  printf '%-34s %6s\n' "ShowIn $mode" "$(count_idle $tallyon)"
  if [ "${mode%% *}" = 3 ]; then
    xdotool windowminimize "$window"
    sleep 1
    printf '%-34s %6s\n' "ShowIn $mode, hidden in the tray" "$(count_idle $tallyon)"
  fi
  kill $tallyon
  wait $tallyon 2>/dev/null || true
done

echo
echo "4. window soak (app_tests, offscreen): $soak_actions random keys, clicks and pastes"
if [ -x "$bin/app_tests" ]; then
  TALLYON_SOAK_WINDOW_ACTIONS=$soak_actions QT_QPA_PLATFORM=offscreen "$bin/app_tests" \
    --gtest_filter='Window.SoakOfRandomKeysClicksAndPastes' --gtest_brief=1 2>/dev/null | grep 'soak:' || true
else
  echo "(not run: $bin/app_tests was not built)"
fi
echo
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
