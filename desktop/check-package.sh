#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks it with lintian and its
# programs with hardening-check, installs it into this machine with apt,
# starts the installed program the way its launcher does under a private X
# server, closes it through its menu, removes the package again and checks
# that its files went with it. Needs root (it installs a package).
#   desktop/check-package.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
launcher=/usr/share/applications/example.corvane.Tallyon.desktop
metainfo=/usr/share/metainfo/example.corvane.Tallyon.metainfo.xml
title='^Tallyon - Freeware$'
passed=0
failed=0
check() { # check NAME COMMAND...: runs one check and counts it
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $name"
  else
    failed=$((failed + 1))
    echo "FAILED: $name" >&2
  fi
}

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # Never leave the package behind, whatever failed.
  if dpkg-query -W -f='${Status}' tallyon 2>/dev/null | grep -q 'install ok installed'; then
    apt-get remove -y -qq tallyon >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== package"
rm -f "$build"/tallyon_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(realpath "$build"/tallyon_*.deb)
echo "$deb"
dpkg-deb -f "$deb" Package Version Depends Recommends
check "dependencies read from the program" \
  bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6' && dpkg-deb -f '$deb' Depends | grep -q 'qt6-qpa-plugins'"
mkdir "$work/tree"
dpkg-deb -x "$deb" "$work/tree"
check "launcher, metainfo and icons agree (appstreamcli validate-tree)" \
  appstreamcli validate-tree --no-net "$work/tree"

echo "== lintian and hardening-check"
# Every tag counts, the informational and pedantic ones too.
check "lintian --pedantic finds nothing" \
  lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb"
# Not the control-flow check, which no program of Debian 12 passes
# (cmake/TallyonHardening.cmake).
for program in tallyon tallyon-engine; do
  check "hardening-check $program" hardening-check --nocfprotection "$work/tree/usr/bin/$program"
done

echo "== install"
if dpkg-query -W -f='${Status}' tallyon 2>/dev/null | grep -q 'install ok installed'; then
  apt-get remove -y -qq tallyon >/dev/null
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" ||
  { cat "$work/apt.log"; exit 1; }
dpkg -L tallyon >"$work/files"
check "installed program" test -x /usr/bin/tallyon
check "installed files all present" \
  bash -c "while read -r f; do [ -e \"\$f\" ] || { echo \"missing \$f\"; exit 1; }; done <'$work/files'"
check "installed launcher validates" desktop-file-validate "$launcher"
check "installed metainfo validates" appstreamcli validate --no-net "$metainfo"
check "manual pages found by man" bash -c "man -w tallyon && man -w tallyon-engine"
version=$(dpkg-deb -f "$deb" Version)
for program in tallyon tallyon-engine; do
  check "$program --version without a display is the package's version" \
    test "$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/$program --version)" = "$program $version"
done
png_size() { # the width and height in a PNG's header
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 16 32 48 64 128 256; do
  check "icon ${size}x${size}" \
    test "$(png_size /usr/share/icons/hicolor/${size}x${size}/apps/tallyon.png)" = "${size}x${size}"
done
check "scalable icon" test -s /usr/share/icons/hicolor/scalable/apps/tallyon.svg

echo "== launch from the launcher"
# The Exec line without its field codes, found on PATH as a desktop would.
exec_line=$(sed -n 's/^Exec=//p' "$launcher" | head -n1 | sed 's/ *%[fFuUick]//g')
echo "Exec=$exec_line"
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/home"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$HOME"
openbox --sm-disable --startup "touch $work/wm-ready" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
(cd "$HOME" && exec env PATH=/usr/bin:/bin $exec_line) &
program=$!
pids+=("$program")
window=$(timeout 15 xdotool search --sync --onlyvisible --name "$title" 2>/dev/null | head -n1 || true)
check "the window appears" test -n "$window"
if [ -n "$window" ]; then
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key --delay 50 alt+f e # File > Exit
fi
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
status=0
if kill -0 "$program" 2>/dev/null; then status=timeout; else wait "$program" || status=$?; fi
check "File > Exit ends the program cleanly (status $status)" test "$status" = 0
check "closing stored the settings" test -s "$XDG_CONFIG_HOME/Corvane/Tallyon.reg"

echo "== remove"
apt-get remove -y -qq tallyon >"$work/remove.log" || cat "$work/remove.log"
check "package gone" bash -c "! dpkg-query -W -f='\${Status}' tallyon 2>/dev/null | grep -q 'ok installed'"
check "its files gone" \
  bash -c "while read -r f; do [ -d \"\$f\" ] || [ ! -e \"\$f\" ] || { echo \"left \$f\"; exit 1; }; done <'$work/files'"
check "its own folders gone" bash -c "[ ! -e /usr/share/doc/tallyon ] && [ ! -e /usr/bin/tallyon ]"

echo "== a fresh Debian 12"
# The same package in a minimal Debian 12 root made for the purpose, without
# recommended packages: its own dependencies must bring all it needs. The
# root comes from Debian's archive; when that cannot be reached, the check
# says so and is skipped, while any failure inside the root counts.
cp "$deb" "$work/tallyon.deb"
cat >"$work/fresh-check.sh" <<'FRESH'
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends /tmp/tallyon.deb >/tmp/install.log 2>&1 ||
  { cat /tmp/install.log; exit 1; }
Xvfb :5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY=:5 HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/home LC_ALL=C.UTF-8
mkdir -p -m 700 "$HOME"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
$(sed -n 's/^Exec=//p' /usr/share/applications/example.corvane.Tallyon.desktop | sed 's/ *%[fFuUick]//g') &
program=$!
window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Tallyon - Freeware$' | head -n1 || true)
kill "$program" "$server" 2>/dev/null || true
apt-get remove -y -qq tallyon >/dev/null 2>&1
[ -n "$window" ] || { echo "no window in the fresh root" >&2; exit 1; }
[ ! -e /usr/bin/tallyon ] || { echo "left /usr/bin/tallyon" >&2; exit 1; }
FRESH
fresh_status="$work/fresh-status"
if timeout 900 mmdebstrap --quiet --variant=apt --include=xvfb,xdotool,x11-utils bookworm /dev/null \
  "deb http://deb.debian.org/debian bookworm main" \
  "deb http://deb.debian.org/debian bookworm-updates main" \
  "deb http://deb.debian.org/debian-security bookworm-security main" \
  --customize-hook="copy-in $work/tallyon.deb $work/fresh-check.sh /tmp" \
  --customize-hook="chroot \"\$1\" bash /tmp/fresh-check.sh; echo \$? >$fresh_status" \
  >"$work/fresh.log" 2>&1 && [ -s "$fresh_status" ]; then
  check "installs, starts from its launcher and goes again in a fresh Debian 12" \
    test "$(cat "$fresh_status")" = 0
  [ "$(cat "$fresh_status")" = 0 ] || tail -n 30 "$work/fresh.log"
else
  tail -n 5 "$work/fresh.log"
  echo "skipped: no fresh Debian 12 root could be made (Debian's archive not reached?)"
fi

echo "package check took $SECONDS s"
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
