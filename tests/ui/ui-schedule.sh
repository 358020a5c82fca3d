#!/usr/bin/env bash
# The shutdown schedule of the real program under Wine, watched through its relay trace.
#
#   tests/ui/ui-schedule.sh ORVENAL_EXE DRIVER_EXE WORK_DIR
#
# A power-off request ends the Wine session, so this runs in a prefix of its own, with the
# request last:
#   1. the program, started traced: 标签2 at the first tick and after edits, times that come
#      close but must not fire, and closing while armed; it must end with exit code 0 and its
#      trace hold no ExitWindowsEx;
#   2. the program once more, armed for the current minute: the trace must show
#      ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, 0) within two ticks, and the session must end.
# Closes with "N passed, N failed" over the two parts.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
driver=$(realpath "$2")
work=$3
mkdir -p "$work"

source "$here/wine-env.sh"
source "$here/wine-trace.sh"

traced=(user32.ExitWindowsEx user32.SetTimer advapi32.LookupPrivilegeValueA
  advapi32.AdjustTokenPrivileges kernelbase.AdjustTokenPrivileges)
# Two ticks of the one-second timer, and half a tick for a busy machine.
request_within_ms=2500
# The close and the session's end, each given this long.
end_seconds=30

passed=0
failed=0
verdict() {
  if [[ $1 -eq 0 ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL ui_schedule: $2"
  fi
}

wine_env_start_x
# wine_env_stop's first step fails once the session has ended by itself.
trap 'set +e; wine_env_stop' EXIT
wine_env_use_prefix "$work/prefix"
wine_trace_functions "${traced[@]}"

echo "== armed for other times, then closed"
wine_trace_start "$work/armed.trace" "$exe"
part=0
wine_env_run "$driver" schedule_status near_miss close_armed || part=1
code=0
wine_trace_wait "$end_seconds" || code=$?
if [[ $code -ne 0 ]]; then
  echo "the program ended with $code, not 0"
  part=1
fi
wine_trace_calls "$work/armed.trace" "$exe" >"$work/armed.calls"
if awk -F '\t' '$4 == "user32.ExitWindowsEx" { print; found = 1 } END { exit !found }' \
  "$work/armed.calls"; then
  echo "the program asked to power off though no box matched the clock"
  part=1
fi
verdict "$part" "armed for other times"
# The next program must start a session of its own, as a person's would.
timeout "$end_seconds" "$WINE_ENV_WINESERVER" -w || "$WINE_ENV_WINESERVER" -k

echo "== armed for the current minute"
wine_trace_start "$work/power.trace" "$exe"
part=0
wine_env_run "$driver" power_request | tee "$work/power.out" || true
if grep -q FAIL "$work/power.out"; then
  part=1
fi
code=0
wine_trace_wait "$end_seconds" || code=$?
if [[ $code -eq $WINE_TRACE_TIMED_OUT ]]; then
  echo "the session did not end"
  part=1
fi
wine_trace_calls "$work/power.trace" "$exe" >"$work/power.calls"
awk -v within_ms="$request_within_ms" -f "$here/power-request.awk" "$work/power.calls" ||
  part=1
verdict "$part" "armed for the current minute"

echo "ui_schedule: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
