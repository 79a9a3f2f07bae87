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

rm -f "$out"/*.png "$out"/*.done
# The walk-through asks for each screenshot with a line "screenshot NAME"; we take it from the
# X screen and tell it we are done.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  wine "$1/demo_walkthrough.exe" "$(winepath -w "$2")" </dev/null |
  while IFS= read -r line; do
    line=${line%$'"'"'\r'"'"'}
    case "$line" in
      "screenshot "*)
        name=${line#screenshot }
        import -window root "$2/$name.png"
        echo "  screenshot $name.png"
        touch "$2/$name.done" ;;
      *) printf "%s\n" "$line" ;;
    esac
  done
  rc=${PIPESTATUS[0]}
  wineserver -k
  exit $rc' demo "$bin" "$out"
echo "Screenshots are in $out:"
ls "$out"/*.png 2>/dev/null | sed 's/^/  /'
