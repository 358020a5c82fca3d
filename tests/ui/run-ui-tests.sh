#!/usr/bin/env bash
# Runs one group of UI cases under Wine: starts a private Xvfb, uses (or creates) the Wine
# prefix of the build tree, runs the driver against the program, prints the driver's report
# in UTF-8 and returns the driver's exit code.
#
#   run-ui-tests.sh ORVENAL_EXE UI_DRIVER_EXE [GROUP]
#
# The prefix is $ORVENAL_WINEPREFIX, or else wineprefix at the top of the build tree that holds
# the driver (build/win64/wineprefix for build/win64/tests/ui/ui_driver.exe).
set -uo pipefail

if (($# < 2 || $# > 3)); then
  echo "usage: $0 ORVENAL_EXE UI_DRIVER_EXE [GROUP]" >&2
  exit 2
fi
program=$1
driver=$2
group=${3:-}

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

for exe in "$program" "$driver"; do
  [[ -f $exe ]] || { echo "run-ui-tests: $exe does not exist" >&2; exit 2; }
done
prefix=${ORVENAL_WINEPREFIX:-$(cd "$(dirname "$driver")/../.." && pwd)/wineprefix}

started=$SECONDS
wine_env_start_x || exit 1
wine_env_use_prefix "$prefix" || exit 1

# The driver writes code page 936 with CRLF line ends; the terminal and ctest want UTF-8.
wine_env_run "$driver" "$program" ${group:+"$group"} | tr -d '\r' | iconv -f GB18030 -t UTF-8 -c
result=${PIPESTATUS[0]}
echo "ui ${group:-all}: $((SECONDS - started)) s"
exit "$result"
