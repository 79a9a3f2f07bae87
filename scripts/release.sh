#!/usr/bin/env bash
# Packs the shipped program for users: build/release/snoozr-2.5-win32.zip with the 32-bit
# snoozr.exe, the users' README.txt and the licence (both with Windows line ends), then lists
# the zip's content.
set -eu
cd "$(dirname "$0")/.."
[ -f build/win32/bin/snoozr.exe ] || bash scripts/build.sh >/dev/null
out=build/release
zipfile=$out/snoozr-2.5-win32.zip
staging=$out/snoozr-2.5-win32
rm -rf "$staging" "$zipfile"
mkdir -p "$staging"
cp build/win32/bin/snoozr.exe "$staging/"
sed 's/$/\r/' docs/release/README.txt >"$staging/README.txt"
sed 's/$/\r/' LICENSE >"$staging/LICENSE.txt"
# -X: no Unix extras; -D: no folder entries; the files at the zip's top level.
(cd "$staging" && zip -q -X -D "../$(basename "$zipfile")" snoozr.exe README.txt LICENSE.txt)
echo "$zipfile:"
unzip -l "$zipfile"
