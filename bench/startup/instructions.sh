#!/usr/bin/env bash
# Instructions per step of the start-up, counted by callgrind (valgrind).
# Unlike times, the counts repeat exactly for the same binaries whatever the
# machine's load, so they show what a change to the start saves. Each program
# runs under the first-paint probe to its first frame and 0.3 s more, once to
# warm up and write its settings, then counted; the table gives millions of
# instructions: the whole run, and the toolkit steps the start is made of,
# each with what it calls.
#   bench/startup/instructions.sh [BUILD_DIR] [NAME:PROGRAM...]
set -euo pipefail
build=${1:-build}
shift $(($# < 1 ? $# : 1))
bin=$build/bin
command -v valgrind >/dev/null || { echo "needs valgrind" >&2; exit 2; }

work=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work XDG_CONFIG_HOME=$work/.config XDG_RUNTIME_DIR=$work LC_ALL=C.UTF-8
Xvfb :94 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:94
sleep 1

steps=(
  "dynamic loader|rtld.c:_dl_start"
  "QApplication|QApplication::QApplication(int"
  "fontconfig's set-up|FcInitLoadConfigAndFonts"
  "font lists walked|FcFontSetList"
  "fonts the program adds|QFontDatabase::addApplicationFont(QString"
  "stand-in font searches|QFontconfigDatabase::fallbacksForFamily"
  "font engines|QFontconfigDatabase::fontEngine("
  "glyphs|QFontEngineFT::loadGlyph("
  "window icon|QXcbWindow::setWindowIcon("
  "painting and flushing|QWidgetRepaintManager::paintAndFlush()"
)
programs=("tallyon:$bin/tallyon" "qt-floor:$bin/tallyon-qt-floor" "$@")
names=()
for entry in "${programs[@]}"; do
  name=${entry%%:*}
  names+=("$name")
  program=${entry#*:}
  dbus-run-session -- "$bin/tallyon-first-paint" "$program" >/dev/null 2>&1 || true
  dbus-run-session -- "$bin/tallyon-first-paint" valgrind --tool=callgrind \
    --callgrind-out-file="$work/$name.out" "$program" >/dev/null 2>&1 || true
  callgrind_annotate --inclusive=yes --threshold=100 "$work/$name.out" >"$work/$name.txt"
done

# The largest inclusive count of a function whose name contains $2, in millions.
count() {
  awk -v step="$2" 'index($0, step) && !index($0, "=>") {
    n = $1; gsub(",", "", n); if (n + 0 > best) best = n + 0 }
    END { printf "%.2f", best / 1e6 }' "$work/$1.txt"
}
printf '%-26s' "millions of instructions"
printf ' %11s' "${names[@]}"
echo
printf '%-26s' "all"
for name in "${names[@]}"; do
  printf ' %11.2f' "$(awk '/^summary:/ {print $2 / 1e6}' "$work/$name.out")"
done
echo
for step in "${steps[@]}"; do
  printf '%-26s' "${step%%|*}"
  for name in "${names[@]}"; do printf ' %11s' "$(count "$name" "${step#*|}")"; done
  echo
done
