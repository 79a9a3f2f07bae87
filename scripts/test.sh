#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, the release checks of the
# shipped program (size, imports, the zip), the tests under Wine of the 32-bit build in a
# 32-bit prefix (also at 144 and 192 DPI), and the start-up and chat tests of the 64-bit build
# in a 64-bit prefix. Each Wine run has its own Xvfb. Ends with the totals.
set -u
cd "$(dirname "$0")/.."
started=$SECONDS
bash scripts/build.sh || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }
echo "-- installing what was missing and building took $((SECONDS - started)) s"
source scripts/wine-env.sh
mkdir -p build/logs
rm -f build/logs/*.log
stage_started=$SECONDS
stage_done() { echo "-- $1 took $((SECONDS - stage_started)) s"; stage_started=$SECONDS; }

# run_stage NAME COMMAND...: runs a stage, its output also in build/logs/NAME.log.
declare -A stage_rc
run_stage() {
  local name=$1
  shift
  echo "== $name"
  "$@" 2>&1 | tee "build/logs/$name.log"
  stage_rc[$name]=${PIPESTATUS[0]}
  stage_done "$name"
}

run_stage native bash -c 'cd build/native && ctest --output-on-failure -j2'

# Listing the gtest cases of the Windows builds runs them under Wine, in the build's prefix.
snoozr_wine_prefix win32

# The release checks print what they found (size, imports); the zip's content follows.
release_checks() {
  (cd build/win32 && ctest -L release -V) >build/logs/release-verbose.log 2>&1
  local rc=$?
  sed -n 's/^[0-9]*: \(snoozr\.exe.*\)$/\1/p' build/logs/release-verbose.log
  grep -E 'tests passed|Failed|\*\*\*' build/logs/release-verbose.log
  bash scripts/release.sh || rc=1
  return $rc
}
run_stage release release_checks

# A test under Wine that fails runs once more: under a bare Xvfb, Wine has (rarely) not shown
# a freshly started program's first window within the tests' waits. The first run's output
# stays in the log, with what both programs were doing then, and the tests that needed the
# second run are named at the end.
run_stage wine32 snoozr_under_xvfb snoozr_ctest build/win32 -LE 'release|dpi'

# The layouts at the three DPIs the skins are drawn for.
for dpi in 96 144 192; do
  run_stage "wine32-dpi$dpi" snoozr_under_xvfb snoozr_at_dpi "$dpi" snoozr_ctest build/win32 -L dpi
done

snoozr_wine_prefix win64
run_stage wine64 snoozr_under_xvfb snoozr_ctest build/win64 -R 'StartupWineTest|ChatLinkWineTest'

echo "-- the whole test command took $((SECONDS - started)) s"

# ctest's summary of each stage: "N% tests passed, F tests failed out of T".
failed=0
total=0
for name in "${!stage_rc[@]}"; do
  read -r stage_failed stage_total < <(sed -n \
    's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' \
    "build/logs/$name.log" | tail -n 1)
  if [ -z "${stage_total:-}" ]; then
    stage_failed=1
    stage_total=1
  elif [ "${stage_rc[$name]}" -ne 0 ] && [ "$stage_failed" -eq 0 ]; then
    stage_failed=1  # ctest passed, but something else in the stage failed
  fi
  failed=$((failed + stage_failed))
  total=$((total + stage_total))
done
# Tests whose first run failed but whose second passed: named, not counted as failures.
attempts_failed() { sed -n 's/.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p' "$@" | sort -u; }
finally_failed() { sed -n 's/^[[:space:]]*[0-9]\{1,\} - \([^ ]*\) .*/\1/p' "$@" | sort -u; }
wine_logs=(build/logs/wine*.log)
retried=$(comm -23 <(attempts_failed "${wine_logs[@]}") <(finally_failed "${wine_logs[@]}"))
[ -n "$retried" ] && printf 'passed on the second run under Wine: %s\n' $retried
echo "total: $(( total - failed < 0 ? 0 : total - failed )) passed, $failed failed"
[ "$failed" -eq 0 ]
