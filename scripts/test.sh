#!/usr/bin/env bash
# Builds everything and runs every test: the formatting of the C++ files, the native unit
# tests, the release checks of the shipped program (size, imports, the zip), the tests under
# Wine of the 32-bit build in a 32-bit prefix (also at 144 and 192 DPI), and the start-up and
# chat tests of the 64-bit build in a 64-bit prefix. Each Wine run has its own Xvfb. Ends with
# the totals, counted from the JUnit files ctest writes into build/logs/.
set -u
cd "$(dirname "$0")/.."
started=$SECONDS
bash scripts/build.sh || { echo "build failed"; echo "total: 0 passed, 1 failed"; exit 1; }
echo "-- installing what was missing and building took $((SECONDS - started)) s"
source scripts/wine-env.sh
logs=$PWD/build/logs
mkdir -p "$logs"
rm -f "$logs"/*.log "$logs"/*.xml
stage_started=$SECONDS
stage_done() { echo "-- $1 took $((SECONDS - stage_started)) s"; stage_started=$SECONDS; }

# run_stage NAME COMMAND...: runs a stage, its output also in build/logs/NAME.log. The stage's
# ctest writes its results to build/logs/NAME.xml; a stage without ctest is one check.
stages=()
checks=()
run_stage() {
  local name=$1
  shift
  echo "== $name"
  "$@" 2>&1 | tee "$logs/$name.log"
  stages+=("$name=${PIPESTATUS[0]}")
  stage_done "$name"
}
run_check() {
  run_stage "$@"
  checks+=("--check" "${stages[-1]}")
  unset 'stages[-1]'
}

run_check clang-format bash scripts/check-format.sh
run_stage native ctest --preset native --output-junit "$logs/native.xml"

# Listing the gtest cases of the Windows builds runs them under Wine, in the build's prefix.
snoozr_wine_prefix win32

# The release checks print what they found (size, imports); the zip's content follows.
release_checks() {
  ctest --preset win32 -L release -V --output-junit "$logs/release.xml" \
    >"$logs/release-verbose.log" 2>&1
  local rc=$?
  sed -n 's/^[0-9]*: \(snoozr\.exe.*\)$/\1/p' "$logs/release-verbose.log"
  grep -E 'tests passed|Failed|\*\*\*' "$logs/release-verbose.log"
  bash scripts/release.sh || rc=1
  return $rc
}
run_stage release release_checks

# Only a failed start-up test runs once more (see snoozr_ctest in scripts/wine-env.sh); its
# first run's output stays in the log, with what both programs were doing then.
run_stage wine32 snoozr_under_xvfb snoozr_ctest win32 "$logs/wine32.xml" -LE 'release|dpi'

# The layouts at the three DPIs the skins are drawn for.
for dpi in 96 144 192; do
  run_stage "wine32-dpi$dpi" snoozr_under_xvfb snoozr_at_dpi "$dpi" \
    snoozr_ctest win32 "$logs/wine32-dpi$dpi.xml" -L dpi
done

snoozr_wine_prefix win64
run_stage wine64 snoozr_under_xvfb snoozr_ctest win64 "$logs/wine64.xml" \
  -R 'StartupWineTest|ChatLinkWineTest'

echo "-- the whole test command took $((SECONDS - started)) s"

# The totals from the stages' JUnit files; a test that passed only on its second run is named
# and counted as passed. The last line is "total: N passed, M failed".
python3 scripts/junit.py summary "$logs" "${stages[@]}" "${checks[@]}"
