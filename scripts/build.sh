#!/usr/bin/env bash
# Builds the three trees: build/native (portable code and its tests, with sanitizers),
# build/win32 (the shipped 32-bit program, the stand-in and the tests that run under Wine) and
# build/win64 (the same for 64-bit Windows). The Windows builds are Release builds, optimised
# for size and stripped: what users get.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/native -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DSNOOZR_SANITIZE=ON >/dev/null
cmake --build build/native -j2
for arch in win32:i686 win64:x86_64; do
  cmake -S . -B "build/${arch%%:*}" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-${arch#*:}.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
  cmake --build "build/${arch%%:*}" -j2
done
