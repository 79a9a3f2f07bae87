#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the tests under Wine
# (inside their own Xvfb, on the project's own Wine prefix). Ends with the totals.
set -u
cd "$(dirname "$0")/.."
bash scripts/build.sh || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }
source scripts/wine-env.sh
mkdir -p build/logs

echo "== native unit tests"
(cd build/native && ctest --output-on-failure -j2) 2>&1 | tee build/logs/native.log
native_rc=${PIPESTATUS[0]}

# A test under Wine that fails runs once more: under a bare Xvfb, Wine has (rarely) not shown
# a freshly started program's first window within the tests' waits. The first run's output
# stays in the log, with what both programs were doing then, and the tests that needed the
# second run are named at the end.
echo "== tests under Wine"
snoozr_wine_prefix
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  (cd build/win32 && ctest --output-on-failure --repeat until-pass:2)
  rc=$?
  wineserver -k
  exit $rc' 2>&1 | tee build/logs/wine.log
wine_rc=${PIPESTATUS[0]}

# ctest's summary: "N% tests passed, F tests failed out of T".
count() { sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -n 1; }
read -r native_failed native_total <<<"$(count build/logs/native.log)"
read -r wine_failed wine_total <<<"$(count build/logs/wine.log)"
# Tests whose first run failed but whose second passed: named, not counted as failures.
attempts_failed() { sed -n 's/.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p' "$1" | sort -u; }
finally_failed() { sed -n 's/^[[:space:]]*[0-9]\{1,\} - \([^ ]*\) .*/\1/p' "$1" | sort -u; }
retried=$(comm -23 <(attempts_failed build/logs/wine.log) <(finally_failed build/logs/wine.log))
[ -n "$retried" ] && printf 'passed on the second run under Wine: %s\n' $retried

failed=$(( ${native_failed:-1} + ${wine_failed:-1} ))
total=$(( ${native_total:-0} + ${wine_total:-0} ))
[ "$native_rc" -eq 0 ] && [ "$wine_rc" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1
echo "total: $(( total - failed < 0 ? 0 : total - failed )) passed, $failed failed"
[ "$failed" -eq 0 ]
