#!/usr/bin/env bash
# The reliability run: snoozr.exe (32-bit) against the stand-in in hostile mode, driven as a
# user would by tools/reliability for a number of simulated idle minutes; ends with one summary
# line and fails on a crash, a hang or counters that differ from the idles' simulated time.
#
#   bash scripts/reliability.sh            600 idle minutes (10 hours), a few minutes in all
#   bash scripts/reliability.sh --long     a week of idle minutes (10 080 minute ticks)
#   options: --minutes N, --schedule K (the hostile client's schedule number), --only LIST (its
#   behaviours: rooms,input,texts,upload,im,msgbox,freeze, or none)
#
# The minutes beyond the real ones are the idle timer's ticks, sent to the main window by the
# run (see tools/reliability/ReliabilityRun.cpp): Wine's clock cannot be sped up here (README).
set -u
cd "$(dirname "$0")/.."
minutes=600
schedule=1
only=()
while [ $# -gt 0 ]; do
  case $1 in
    --long) minutes=10080 ;;
    --minutes) minutes=$2; shift ;;
    --schedule) schedule=$2; shift ;;
    --only) only=(--only "$2"); shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done
bash scripts/install-deps.sh || exit 1
cmake --preset win32 >/dev/null && cmake --build --preset win32 --target reliability_run >/dev/null ||
  { echo "the reliability run did not build"; exit 1; }
source scripts/wine-env.sh
snoozr_wine_prefix win32
echo "-- $minutes idle minutes, schedule $schedule${only[1]:+, only ${only[1]}}"
snoozr_under_xvfb wine "$SNOOZR_BUILD/win32/bin/reliability_run.exe" --minutes "$minutes" \
  --schedule "$schedule" "${only[@]}"
