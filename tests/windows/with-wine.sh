#!/usr/bin/env bash
# Runs a command with a fresh Wine prefix of its own and one wineserver kept
# running for the whole command (-p), so that each Windows program it starts
# under /usr/lib/wine/wine64 starts fast; removes both afterwards.
# Usage: with-wine.sh COMMAND [ARGUMENTS...]
set -euo pipefail
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
"$@"
