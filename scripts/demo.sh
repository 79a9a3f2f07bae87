#!/usr/bin/env bash
# Builds Snoozr and the stand-in chat client and runs them under Wine.
# With a display: both open on it; the demo ends when Snoozr exits.
# Without one (or with SNOOZR_DEMO=scripted): a short scripted walk-through inside Xvfb that
# prints the room's transcript and saves screenshots into demo-output/.
set -eu
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
source scripts/wine-env.sh
# The shipped program is 32-bit: it runs in the 32-bit prefix, as its users run it.
snoozr_wine_prefix win32
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
walk_through() {
  wine "$bin/demo_walkthrough.exe" "$(winepath -w "$out")" </dev/null |
  while IFS= read -r line; do
    line=${line%$'\r'}
    case "$line" in
      "screenshot "*)
        name=${line#screenshot }
        import -window root "$out/$name.png"
        echo "  screenshot $name.png"
        touch "$out/$name.done" ;;
      *) printf "%s\n" "$line" ;;
    esac
  done
  return "${PIPESTATUS[0]}"
}
export bin out
snoozr_under_xvfb walk_through
echo "Screenshots are in $out:"
ls "$out"/*.png 2>/dev/null | sed 's/^/  /'
