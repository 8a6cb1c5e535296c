#!/usr/bin/env bash
# Where the start-up's processor time goes, Tallyon and the bare Qt floor
# side by side: each program is started RUNS times, interleaved, under the
# first-paint probe with `perf record` (Debian's linux-perf) sampling at 20 kHz, and the
# samples of the program's own threads (not the probe's, not the session
# bus's) are summed per part of the start, in milliseconds per run:
#   loader      the dynamic loader (ld-linux: mapping, relocation)
#   kernel      the kernel on the program's behalf (exec, page faults, mmap)
#   libc        the C and C++ runtime (malloc, string functions)
#   qt          QtCore, QtGui, QtWidgets, QtDBus
#   platform    the xcb platform plugin and the X libraries (xcb, X11, xkb)
#   fonts       fontconfig, freetype, harfbuzz, expat (fontconfig's XML)
#   own         the program's own code
#   other       everything else (glib, icu, png, ...)
# The programs run to their first paint and 0.3 s more, idle.
#   bench/startup/profile.sh [BUILD_DIR] [RUNS] [NAME:PROGRAM...]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
shift $(($# < 2 ? $# : 2))
bin=$build/bin
[ $# -gt 0 ] || set -- "tallyon:$bin/tallyon" "qt-floor:$bin/tallyon-qt-floor"

work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/.config XDG_RUNTIME_DIR=$work LC_ALL=C.UTF-8
Xvfb :94 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:94
sleep 1

part() { # part DSO: the part of the start a shared object belongs to
  case $1 in
  ld-linux*) echo loader ;;
  '[kernel.kallsyms]') echo kernel ;;
  libc.so* | libstdc++* | libm.so* | libgcc_s*) echo libc ;;
  libQt6Core* | libQt6Gui* | libQt6Widgets* | libQt6DBus*) echo qt ;;
  libQt6XcbQpa* | libqxcb* | libxcb* | libX11* | libxkb* | libXau* | libXdmcp* | libX11-xcb*) echo platform ;;
  libfontconfig* | libfreetype* | libharfbuzz* | libexpat*) echo fonts ;;
  "$2") echo own ;;
  *) echo other ;;
  esac
}

parts=(loader kernel libc qt platform fonts own other)
printf '%-10s' part
for entry in "$@"; do printf '%12s' "${entry%%:*}"; done
echo
declare -A total
for ((run = 1; run <= runs; run++)); do
  for entry in "$@"; do
    name=${entry%%:*}
    program=${entry#*:}
    perf record -q -F 20000 -g -o "$work/perf.data" -- \
      dbus-run-session -- "$bin/tallyon-first-paint" "$program" >/dev/null 2>&1 || true
    while read -r samples comm dso; do
      case $comm in tallyon-first-p | dbus-* | perf*) continue ;; esac
      key="$name:$(part "$dso" "$(basename "$program")")"
      total[$key]=$((${total[$key]:-0} + samples))
    done < <(perf report -i "$work/perf.data" --no-children --sort comm,dso -n --stdio -g none 2>/dev/null |
      awk '!/^#/ && NF >= 4 {print $2, $3, $4}')
  done
done
for p in "${parts[@]}" all; do
  printf '%-10s' "$p"
  for entry in "$@"; do
    name=${entry%%:*}
    if [ "$p" = all ]; then
      sum=0
      for q in "${parts[@]}"; do sum=$((sum + ${total[$name:$q]:-0})); done
    else
      sum=${total[$name:$p]:-0}
    fi
    # 20,000 samples a second: a sample is 0.05 ms.
    printf '%12.1f' "$(echo "$sum * 0.05 / $runs" | bc -l)"
  done
  echo
done
