#!/usr/bin/env bash
# Fails unless every tracked C++ file is as clang-format writes it with the repository's
# .clang-format; names the files that are not (`clang-format -i FILE` fixes one).
set -u
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h') || { echo "git ls-files failed: not a git checkout?"; exit 1; }
[ -n "$files" ] || { echo "no C++ files tracked"; exit 1; }
mapfile -t files <<<"$files"
echo "$(clang-format --version | head -n 1), ${#files[@]} files"
output=$(clang-format --dry-run -Werror "${files[@]}" 2>&1)
rc=$?
unformatted=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*\[-Wclang-format-violations\]$/\1/p' \
  <<<"$output" | sort -u)
if [ -n "$unformatted" ]; then
  echo "not formatted as clang-format would:"
  sed 's/^/  /' <<<"$unformatted"
  exit 1
elif [ "$rc" -ne 0 ]; then
  printf '%s\n' "$output"  # clang-format failed otherwise: its own words
  exit "$rc"
fi
echo "all formatted"
