#!/usr/bin/env bash
# A long soak of the real program under Wine: the leak check of ctest's ui_leaks, but with a
# steady phase of MINUTES (default 60) and a memory sample every minute. Not part of the test
# run; start it by hand when a change touches the clock, the labels or the schedule's tick.
#
#   tests/soak/soak.sh [MINUTES]
#
# Builds the win64 preset first, so it runs on a fresh machine. Prints the VmRSS series, the
# GDI balance and a closing "N passed, N failed"; the trace stays in build/win64/soak/.
set -euo pipefail
cd "$(dirname "$0")/../.."

minutes=${1:-60}
seconds_per_minute=60

if [[ -x scripts/install-deps.sh ]]; then
  scripts/install-deps.sh
fi
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 >/dev/null

exec tests/ui/ui-leaks.sh build/win64/orvenal.exe build/win64/tests/ui/ui_driver.exe \
  build/win64/soak "$((minutes * seconds_per_minute))" "$seconds_per_minute"
