#!/usr/bin/env bash
# check-windows-xp.sh OBJDUMP EXE: fails unless EXE is a 32-bit Windows GUI program that
# Windows XP SP3 can start: a PE32 image for subsystem version 5.1 or lower, importing only
# from system DLLs XP has, and none of the functions that came after XP which the toolchain
# or the program could pull in (those are looked up at run time instead).
set -u
objdump=$1
exe=$2
name=$(basename "$exe")
headers=$("$objdump" -p "$exe") || { echo "$name: objdump could not read it"; exit 1; }
status=0
fail() { echo "$name: $1"; status=1; }

grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit (i386) image"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a Windows GUI program"
major=$(sed -n 's/^MajorSubsystemVersion[[:space:]]*//p' <<<"$headers")
minor=$(sed -n 's/^MinorSubsystemVersion[[:space:]]*//p' <<<"$headers")
(( major < 5 || (major == 5 && minor <= 1) )) ||
  fail "subsystem version $major.$minor is newer than Windows XP's 5.1"

# The import table as lines "dll function", the DLL names in lower case. Each DLL's entries
# follow its "DLL Name:" line up to the next blank line.
imports=$(awk '
  /^[[:space:]]*DLL Name:/ { dll = tolower($3); next }
  /^[[:space:]]*$/ { dll = "" }
  dll != "" && /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ { print dll, $3 }' \
  <<<"$headers")
[ -n "$imports" ] || fail "no import table found"

# The system DLLs Windows XP SP3 has that the program may use.
allowed_dlls="kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll uxtheme.dll"
# Functions those DLLs export only from Vista or later.
newer_than_xp=(
  # kernel32: ticks, slim locks, condition variables, one-time init, fiber storage, ...
  GetTickCount64 GetSystemTimePreciseAsFileTime InitializeSRWLock AcquireSRWLockExclusive
  AcquireSRWLockShared ReleaseSRWLockExclusive ReleaseSRWLockShared
  TryAcquireSRWLockExclusive InitializeConditionVariable SleepConditionVariableCS
  SleepConditionVariableSRW WakeConditionVariable WakeAllConditionVariable InitOnceExecuteOnce
  InitOnceBeginInitialize InitOnceComplete InitializeCriticalSectionEx FlsAlloc FlsFree
  FlsGetValue FlsSetValue CreateEventExA CreateEventExW CreateMutexExW CreateSemaphoreExW
  GetLocaleInfoEx LCMapStringEx CompareStringEx GetCurrentProcessorNumber
  QueryFullProcessImageNameA QueryFullProcessImageNameW GetFinalPathNameByHandleW
  SetThreadDescription GetErrorMode WaitOnAddress WakeByAddressSingle WakeByAddressAll
  # user32: DPI awareness and the per-DPI metrics, message filters
  SetProcessDPIAware IsProcessDPIAware SetProcessDpiAwarenessContext
  SetThreadDpiAwarenessContext GetDpiForWindow GetDpiForSystem AdjustWindowRectExForDpi
  GetSystemMetricsForDpi SystemParametersInfoForDpi EnableNonClientDpiScaling
  ChangeWindowMessageFilter ChangeWindowMessageFilterEx
  # comctl32 6 on Vista, uxtheme on Vista
  TaskDialog TaskDialogIndirect LoadIconMetric LoadIconWithScaleDown BufferedPaintInit
  BeginBufferedPaint EndBufferedPaint
  # msvcrt: the "secure" and locale functions of Vista's msvcrt
  _create_locale _free_locale _get_current_locale _set_invalid_parameter_handler _fseeki64
  _ftelli64 _localtime64_s _gmtime64_s fopen_s _wfopen_s strcpy_s strcat_s strncpy_s memcpy_s
  memmove_s sprintf_s _snprintf_s _vsnprintf_s vsprintf_s _itoa_s strtok_s qsort_s
)
declare -A newer
for function in "${newer_than_xp[@]}"; do newer[$function]=1; done

dlls=""
count=0
while read -r dll function; do
  count=$((count + 1))
  [[ " $allowed_dlls " == *" $dll "* ]] || fail "imports $function from $dll, a DLL outside Windows XP's set"
  [ -z "${newer[$function]:-}" ] || fail "imports $function from $dll, which Windows XP SP3 lacks"
  [[ " $dlls " == *" $dll "* ]] || dlls="$dlls $dll"
done <<<"$imports"

if [ "$status" -eq 0 ]; then
  echo "$name: PE32 Windows GUI program, subsystem $major.$minor; $count imports from$dlls;" \
    "none newer than Windows XP SP3: import check passed"
fi
exit "$status"
