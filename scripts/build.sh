#!/usr/bin/env bash
# Builds both trees: build/native (portable code and its tests, with sanitizers) and
# build/win32 (the programs and the tests that run under Wine).
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/native -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DSNOOZR_SANITIZE=ON >/dev/null
cmake --build build/native -j2
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win32 -j2
