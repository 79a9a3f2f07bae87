#!/usr/bin/env bash
# Builds the three trees of CMakePresets.json: build/native (portable code and its tests, with
# sanitizers), build/win32 (the shipped 32-bit program, the stand-in and the tests that run
# under Wine) and build/win64 (the same for 64-bit Windows). The Windows builds are optimised
# for size and stripped: what users get.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
