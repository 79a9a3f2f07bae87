#!/usr/bin/env bash
# Builds and runs every benchmark, printing its figures: the native ones directly, the Win32
# ones under Wine inside their own Xvfb.
set -eu
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
# The native benchmarks come from an optimised build without sanitizers.
cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build/bench-native -j2 --target idle_soak >/dev/null
source scripts/wine-env.sh
for bench in build/bench-native/bench/*/*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
done
snoozr_wine_prefix
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  for bench in build/win32/bin/*_bench.exe; do
    [ -f "$bench" ] || continue
    echo "== $(basename "$bench")"
    wine "$bench" </dev/null
  done
  wineserver -k'
