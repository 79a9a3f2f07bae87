#!/usr/bin/env bash
# Builds and runs every benchmark, printing its figures: the native ones directly, the Win32
# ones (the shipped 32-bit build) under Wine in the 32-bit prefix, inside their own Xvfb.
set -eu
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
# The native benchmarks come from an optimised build without sanitizers (preset bench).
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
source scripts/wine-env.sh
for bench in build/bench-native/bench/*/*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
done
run_wine_benchmarks() {
  for bench in build/win32/bin/*_bench.exe; do
    [ -f "$bench" ] || continue
    echo "== $(basename "$bench") (32-bit)"
    wine "$bench" </dev/null
  done
}
snoozr_wine_prefix win32
snoozr_under_xvfb run_wine_benchmarks
