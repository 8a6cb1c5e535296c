#!/usr/bin/env bash
# Runs the x86_64 Windows twin under wine64, in the Wine prefix that
# with-wine.sh gives it:
# - its GoogleTest programs (ctest; the settings and registry cases on the
#   prefix's real registry);
# - a settings round trip whose values stay, read back by "reg query" with
#   their types;
# - tallyon-engine.exe --version, from its version resource;
# - the user locale's separators, as a German locale gives them.
# Usage: with-wine.sh twin-tests.sh [BUILD_DIR] (build-win64 by default)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-win64}
wine=/usr/lib/wine/wine64
version=$(sed -n 's/^FileVersion[ \t]*\([0-9.]*\).*/\1/p' cmake/Tallyon.version)
[ -n "${WINEPREFIX:-}" ] || { echo "run me through tests/windows/with-wine.sh" >&2; exit 2; }

fail() {
  echo "FAILED: $1" >&2
  exit 1
}

# math_tests and engine_tests pass under Wine once the engine has its own
# elementary functions and decimal reading (MinGW's sinl, expl and
# from_chars differ from glibc's); until that is merged they only report.
# Empty this line to make them count.
report_only="math_tests|engine_tests"

echo "-- the twin's tests under wine64"
ctest --test-dir "$build" -j2 --output-on-failure --timeout 600 ${report_only:+-E "$report_only"}
if [ -n "$report_only" ]; then
  echo "-- reported only: $report_only"
  ctest --test-dir "$build" -j2 --timeout 600 -R "$report_only" || true
fi

echo "-- the settings on the registry, read by reg query"
TALLYON_TEST_KEEP_KEY=1 "$wine" "$build/bin/settings_tests.exe" \
  --gtest_filter='SettingsRoundTrip.*' --gtest_brief=1
values=$("$wine" reg query 'HKCU\Software\Corvane\Tallyon' | tr -d '\r')
echo "$values"
for expected in "Value REG_SZ -1.5E+0300" "Memory REG_SZ 12.5" "ThouSep REG_DWORD 0x0" \
  "StayOnTop REG_DWORD 0x1" "ShowIn REG_DWORD 0x2" "Functions REG_DWORD 0x1" \
  "AngularMeasure REG_DWORD 0x2"; do
  echo "$values" | awk '{$1=$1; print}' | grep -qxF "$expected" || fail "reg query lacks: $expected"
done

echo "-- tallyon-engine.exe --version"
printed=$("$wine" "$build/bin/tallyon-engine.exe" --version)
echo "$printed"
[ "$printed" = "tallyon-engine $version" ] || fail "--version printed '$printed'"

echo "-- the user locale's separators"
shown=$(echo "show=1234567,5" | LC_ALL=de_DE.UTF-8 "$wine" "$build/bin/tallyon-engine.exe")
echo "$shown"
[ "$shown" = "$(printf 'ok\t1.234.567,5')" ] || fail "a German locale showed '$shown'"
