#!/usr/bin/env bash
# Start-up with the tape: exec to the first painted window and peak resident
# memory (tallyon-first-paint), with an empty tape and a full one (1,000
# entries in its file), the tape hidden and shown, ROUNDS rounds
# interleaved under one bare Xvfb; the median, min and max of each.
#   bench/startup/tape.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=${1:-build}
rounds=${2:-9}
bin=$build/bin

work=$(mktemp -d)
server=
cleanup() {
  [[ -n $server ]] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work LC_ALL=C.UTF-8
Xvfb :92 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY=:92
sleep 1

# One home per case: the settings show the tape or not, the file is empty
# or holds 1,000 entries.
cases=(empty-hidden full-hidden empty-shown full-shown)
for name in "${cases[@]}"; do
  home=$work/$name
  mkdir -p "$home/.config/Corvane" "$home/.local/state/Corvane"
  shown=$([[ $name == *-shown ]] && echo 1 || echo 0)
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"Tape"=dword:%08d\n' \
    "$shown" >"$home/.config/Corvane/Tallyon.reg"
  tape=$home/.local/state/Corvane/Tallyon.tape
  : >"$tape"
  if [[ $name == full-* ]]; then
    for ((i = 1; i <= 1000; i++)); do
      printf '2026-12-10T12:30:05Z\t0x9E0p-10\t1,234.5 \xC3\x97 %d = 2,469\n' "$i"
    done >"$tape"
  fi
done

stats() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{v[NR]=$1} END {printf "%8.1f %8.1f %8.1f", v[int((NR+1)/2)], v[1], v[NR]}'; }
declare -A times memory
for ((round = 1; round <= rounds; round++)); do
  for name in "${cases[@]}"; do
    read -r ms kib < <(HOME=$work/$name XDG_CONFIG_HOME=$work/$name/.config \
      XDG_STATE_HOME=$work/$name/.local/state \
      dbus-run-session -- "$bin/tallyon-first-paint" "$bin/tallyon" 2>/dev/null | tail -1)
    times[$name]+="$ms "
    memory[$name]+="$kib "
  done
done

echo "load: $(cut -d' ' -f1-3 /proc/loadavg); $rounds interleaved rounds"
printf '%-14s %26s %32s\n' tape "first paint ms (med min max)" "peak RSS MiB (med min max)"
for name in "${cases[@]}"; do
  m=$(echo "${memory[$name]}" | tr ' ' '\n' | awk 'NF {printf "%.1f ", $1/1024}' | stats)
  printf '%-14s %26s %32s\n' "$name" "$(echo "${times[$name]}" | stats)" "$m"
done
