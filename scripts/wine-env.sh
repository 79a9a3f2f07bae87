# Sourced by the scripts: the project's own Wine prefix and settings.
# SNOOZR_BUILD may point elsewhere; the prefix lives in the build folder.
: "${SNOOZR_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export WINEPREFIX="${WINEPREFIX:-$SNOOZR_BUILD/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
export WINEARCH=win64

# Creates the prefix on first use.
snoozr_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
}
