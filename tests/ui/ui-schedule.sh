#!/usr/bin/env bash
# The shutdown schedule of the real program under Wine, with the program's relay trace as the
# witness of what it asked of the system.
#
#   tests/ui/ui-schedule.sh ORVENAL_EXE UI_DRIVER_EXE WORK_DIR
#
# A power-off request ends the Wine session, so this runs in a prefix of its own (in WORK_DIR)
# and asks for the request last:
#   1. the driver's groups "schedule" and "near_miss": 标签2 at the first tick and after edits,
#      the phase of the ticks, closing while armed, and times close to the clock that must not
#      fire; their traces must hold no ExitWindowsEx;
#   2. the group "power_request", armed for the current minute: the trace must show
#      ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, 0) within two ticks of arming, after the shutdown
#      privilege was enabled, and the session must end.
# Closes with "N passed, N failed" over the three parts.
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

# Runs one driver group traced; 0 when the driver passed it and the program never asked to
# power off.
run_without_request() {
  local group=$1 status=0
  wine_trace_run "$work/$group.trace" "$driver" "$exe" "$group" | wine_utf8 || status=1
  wine_trace_calls "$work/$group.trace" "$exe" >"$work/$group.calls"
  if awk -F '\t' '$4 == "user32.ExitWindowsEx" { print; found = 1 } END { exit !found }' \
    "$work/$group.calls"; then
    echo "the program asked to power off, though no box matched the clock"
    status=1
  fi
  return "$status"
}

wine_env_start_x
wine_env_use_prefix "$work/prefix"
wine_trace_trap
wine_trace_functions "${traced[@]}"

for group in schedule near_miss; do
  echo "== $group"
  status=0
  run_without_request "$group" || status=1
  verdict "$status" "$group"
done

echo "== power_request"
status=0
wine_trace_run "$work/power.trace" "$driver" "$exe" power_request | wine_utf8 |
  tee "$work/power.out" || true
if grep -q '^FAIL' "$work/power.out"; then
  status=1
fi
if ! timeout "$end_seconds" "$WINE_ENV_WINESERVER" -w; then
  echo "the session did not end"
  status=1
fi
wine_trace_calls "$work/power.trace" "$exe" >"$work/power.calls"
awk -v within_ms="$request_within_ms" -f "$here/power-request.awk" "$work/power.calls" ||
  status=1
verdict "$status" "power_request"

echo "ui_schedule: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
