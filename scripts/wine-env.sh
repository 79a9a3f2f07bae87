# Sourced by the scripts: Wine's settings and the project's own prefixes, one for each build.
# SNOOZR_BUILD may point elsewhere; the prefixes live in the build folder.
export SNOOZR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
: "${SNOOZR_BUILD:=$SNOOZR_ROOT/build}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# Both programs of a test share the ANSI code page; this locale gives 1252.
export LC_ALL=C.UTF-8

# snoozr_wine_prefix win32|win64: selects the prefix of that build (a 32-bit prefix for the
# 32-bit programs, as their users run them), creating it on first use.
snoozr_wine_prefix() {
  export WINEARCH=$1
  export WINEPREFIX="$SNOOZR_BUILD/wineprefix-$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    # The soak test's windows are not left to a window manager (there is none under Xvfb,
    # and Wine would wait for one on every show and hide).
    wine reg add 'HKCU\Software\Wine\AppDefaults\ui_soak_wine_tests.exe\X11 Driver' \
      /v Managed /d N /f >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
}

# snoozr_under_xvfb COMMAND...: runs COMMAND inside an Xvfb of its own, with the selected
# prefix's Wine started first (its helper processes must not inherit the command's output)
# and stopped after; exits with COMMAND's status. COMMAND may be a shell function of the
# calling script (the functions are handed over as text: xvfb-run's sh does not pass on
# exported ones); the variables it reads must be exported.
snoozr_under_xvfb() {
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    eval "$0"
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    "$@"
    rc=$?
    wineserver -k
    exit $rc' "$(declare -f)" "$@"
}

# snoozr_ctest PRESET JUNIT CTEST_ARGS...: the tests of the build of that test preset under
# Wine, their results in the JUnit file JUNIT (an absolute path). Only a start-up test that
# fails runs once more, its result then in JUNIT with .rerun.xml for .xml: under a bare Xvfb,
# Wine has (rarely) not shown a freshly started program's first window within the tests'
# waits. Any other failure stands. Succeeds when every test passed in the end.
snoozr_ctest() {
  local preset=$1 junit=$2
  shift 2
  rm -f "${junit%.xml}.rerun.xml"
  (cd "$SNOOZR_ROOT" && ctest --preset "$preset" --output-junit "$junit" "$@")
  local rc=$?
  [ "$rc" -eq 0 ] && return 0
  local failed startup others
  failed=$(python3 "$SNOOZR_ROOT/scripts/junit.py" failed "$junit") || return "$rc"
  startup=$(grep '^StartupWineTest\.' <<<"$failed")
  others=$(grep -v '^StartupWineTest\.' <<<"$failed")
  [ -n "$startup" ] || return "$rc"
  # Exact names: a pattern for each, its dots and other specials escaped.
  local pattern
  pattern=$(sed 's/[][\.*^$+?(){}|]/\\&/g; s/.*/^&$/' <<<"$startup" | paste -sd '|')
  echo "-- running once more: $(paste -sd ' ' <<<"$startup")"
  (cd "$SNOOZR_ROOT" && ctest --preset "$preset" --output-junit "${junit%.xml}.rerun.xml" \
    -R "$pattern") || return 1
  [ -z "$others" ]
}

# snoozr_at_dpi DPI COMMAND...: runs COMMAND with the prefix's display at DPI (its LogPixels,
# which Wine reads for each program it starts) and SNOOZR_EXPECT_DPI telling the tests; the
# prefix is set back to 96 after.
snoozr_at_dpi() {
  local dpi=$1
  shift
  snoozr_set_dpi "$dpi"
  SNOOZR_EXPECT_DPI=$dpi "$@"
  local rc=$?
  snoozr_set_dpi 96
  return $rc
}
snoozr_set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1 </dev/null
}
