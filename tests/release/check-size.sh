#!/usr/bin/env bash
# check-size.sh EXE LIMIT: fails when EXE is larger than LIMIT bytes; prints its size.
set -u
size=$(stat -c %s "$1") || exit 1
if [ "$size" -le "$2" ]; then
  echo "$(basename "$1"): $size bytes, within the limit of $2: size check passed"
else
  echo "$(basename "$1"): $size bytes, over the limit of $2: size check failed"
  exit 1
fi
