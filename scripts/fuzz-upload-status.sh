#!/usr/bin/env bash
# Builds the upload status fuzzer with clang and runs it for a minute (or for the number of
# seconds given as the first argument), printing the fuzzer's final line.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SNOOZR_FUZZ_BUILD:-$root/build/upload-fuzz}
seconds=${1:-60}

# The fuzz preset's settings; SNOOZR_FUZZ_BUILD only moves its folder.
cd "$root"
if [ -n "${SNOOZR_FUZZ_BUILD:-}" ]; then
  cmake --preset fuzz -B "$build" >/dev/null
  cmake --build "$build" --target upload_status_fuzzer -j2 >/dev/null
else
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz >/dev/null
fi

corpus=$build/upload-status-corpus
mkdir -p "$corpus"
log=$build/upload-status-fuzz.log
status=0
"$build/fuzz/upload_status_fuzzer" -max_total_time="$seconds" \
    -dict="$root/fuzz/upload-status.dict" -artifact_prefix="$build/" "$corpus" >"$log" 2>&1 ||
    status=$?
tail -n 1 "$log"
exit "$status"
