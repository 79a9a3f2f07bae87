#!/usr/bin/env bash
# Builds Snoozr and the stand-in chat client and runs them under Wine.
# With a display: both open on it; the demo ends when Snoozr exits.
# Without one (or with SNOOZR_DEMO=scripted): a short scripted walk-through inside Xvfb that
# prints the room's transcript and saves screenshots into demo-output/.
set -eu
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
source scripts/wine-env.sh
snoozr_wine_prefix
bin=build/win32/bin
out="$PWD/demo-output"
mkdir -p "$out"

if [ -n "${DISPLAY:-}" ] && [ "${SNOOZR_DEMO:-}" != scripted ]; then
  wineserver -p
  wine "$bin/standin.exe" --log "$(winepath -w "$out/standin.log")" >/dev/null 2>&1 &
  standin=$!
  (cd "$out" && wine "$PWD/../$bin/snoozr.exe" >/dev/null 2>&1) || true
  kill "$standin" 2>/dev/null || true
  wineserver -k
  exit 0
fi

rm -f "$out"/*.bmp "$out"/*.png
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  wine "$1/demo_walkthrough.exe" "$(winepath -w "$2")" </dev/null
  rc=$?
  wineserver -k
  exit $rc' demo "$bin" "$out"
for bmp in "$out"/*.bmp; do
  [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
echo "Screenshots are in $out:"
ls "$out"/*.png 2>/dev/null | sed 's/^/  /'
