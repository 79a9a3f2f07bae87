#!/usr/bin/env bash
# The reliability run: snoozr.exe (32-bit) against the stand-in in hostile mode, driven as a
# user would by tools/reliability for a number of simulated idle minutes, with Wine's clock
# sped up; ends with one summary line and fails on a crash, a hang or counters that differ
# from the idles' simulated time.
#
#   bash scripts/reliability.sh            3 idle minutes, about 4 minutes in all
#   bash scripts/reliability.sh --long     a week of idle minutes (10 080 minute ticks)
#   options: --minutes N, --schedule K (the hostile client's schedule number), --speed N (the wineserver under libfaketime, N times faster)
#
# The clock runs at its real speed: Wine 8 cannot be sped up honestly with libfaketime here.
# A Wine program under libfaketime hangs at start (with the library's shared memory on, on the
# semaphore of the 64-bit process that started it; with it off, still). Wine's timers (the
# idle's 60 000 ms SetTimer) and its tick count run on the wineserver's clock, so the server
# alone under libfaketime speeds them up (--speed); but its wall clock then runs ahead of the
# programs' own, timed waits and SendMessageTimeout end at once, and the program's lines never
# reach the stand-in. --speed is kept for finding out what a later Wine does; --long at real
# speed takes a week.
set -u
cd "$(dirname "$0")/.."
minutes=3
speed=1
schedule=1
while [ $# -gt 0 ]; do
  case $1 in
    --long) minutes=10080 ;;
    --minutes) minutes=$2; shift ;;
    --speed) speed=$2; shift ;;
    --schedule) schedule=$2; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done
bash scripts/install-deps.sh || exit 1
cmake --preset win32 >/dev/null && cmake --build --preset win32 --target reliability_run >/dev/null ||
  { echo "the reliability run did not build"; exit 1; }
source scripts/wine-env.sh
snoozr_wine_prefix win32
if [ "$speed" != 1 ]; then
  export SNOOZR_CLOCK_SPEED=$speed
fi
echo "-- $minutes idle minutes, the clock x$speed, schedule $schedule"
snoozr_under_xvfb wine "$SNOOZR_BUILD/win32/bin/reliability_run.exe" --minutes "$minutes" \
  --schedule "$schedule"
