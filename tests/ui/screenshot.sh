#!/usr/bin/env bash
# Saves a PNG of the program's window as a person would see it on the Wine virtual desktop.
#
#   screenshot.sh ORVENAL_EXE OUTPUT.png [UI_DRIVER_EXE]
#
# The driver (by default the one of the same build tree) starts the program, waits until the
# clock shows its first time and reports where the window is; the whole X screen is captured
# then, cropped to the window, and the program is closed again. Uses the build tree's prefix.
set -uo pipefail

if (($# < 2 || $# > 3)); then
  echo "usage: $0 ORVENAL_EXE OUTPUT.png [UI_DRIVER_EXE]" >&2
  exit 2
fi
program=$1
output=$2
driver=${3:-$(dirname "$program")/tests/ui/ui_driver.exe}
report_seconds=60

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

for exe in "$program" "$driver"; do
  [[ -f $exe ]] || { echo "screenshot: $exe does not exist" >&2; exit 2; }
done
output=$(cd "$(dirname "$output")" && pwd)/$(basename "$output")
wine_env_start_x || exit 1
wine_env_use_prefix "${ORVENAL_WINEPREFIX:-$(dirname "$program")/wineprefix}" || exit 1

coproc driver_io { wine_env_run "$driver" "$program" --show; }
place=
while IFS= read -r -t "$report_seconds" line <&"${driver_io[0]}"; do
  line=${line%$'\r'}
  if [[ $line =~ ^window\ (-?[0-9]+)\ (-?[0-9]+)\ ([0-9]+)\ ([0-9]+)$ ]]; then
    place="${BASH_REMATCH[3]}x${BASH_REMATCH[4]}+${BASH_REMATCH[1]}+${BASH_REMATCH[2]}"
    break
  fi
  echo "$line" >&2
done
if [[ -z $place ]]; then
  echo "screenshot: the driver reported no window" >&2
  exit 1
fi

import -window root -crop "$place" +repage "$output"
captured=$?
echo >&"${driver_io[1]}"
wait "$driver_io_PID"
closed=$?
((captured == 0)) || { echo "screenshot: import failed" >&2; exit 1; }
((closed == 0)) || echo "screenshot: the program did not close cleanly (driver code $closed)" >&2
echo "$output: window at $place"
