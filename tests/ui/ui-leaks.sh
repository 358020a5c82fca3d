#!/usr/bin/env bash
# No leaks: the real program runs with the clock ticking and the schedule armed for a time
# half a day away, then is closed. Its relay trace must show every GDI object it created
# deleted again and every device context it got released, with nothing piling up during the
# steady phase; its resident memory must not grow over that phase beyond a small tolerance.
#
#   tests/ui/ui-leaks.sh ORVENAL_EXE UI_DRIVER_EXE WORK_DIR [STEADY_SECONDS [SAMPLE_SECONDS]]
#
# The Wine prefix is $ORVENAL_WINEPREFIX, or one of its own in WORK_DIR.
#
# The steady phase starts after a warm-up in which the program's paths have all run once and
# Wine's caches have filled; defaults 60 s of it, sampled every 5 s. tests/soak/soak.sh runs
# the same for hours. RSS is the unix process's VmRSS, which includes what Wine itself holds
# for the program.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
driver=$(realpath "$2")
work=$3
steady_seconds=${4:-60}
sample_seconds=${5:-5}
mkdir -p "$work"

source "$here/wine-env.sh"
source "$here/wine-trace.sh"

warm_up_seconds=10
# Pages that Wine touches late (a heap block split, a font cache line) move VmRSS by a few
# pages without any leak; a lost text per schedule tick (two kilobytes at least with the long
# hour box) or per clock tick (twenty a second) passes this within a minute.
rss_tolerance_kib=${UI_LEAKS_RSS_TOLERANCE_KIB:-64}
end_seconds=30
start_seconds=60
gdi_creates=(CreateSolidBrush CreateBrushIndirect CreateHatchBrush CreatePatternBrush
  CreateDIBPatternBrushPt CreatePen CreatePenIndirect ExtCreatePen CreateFontA CreateFontW
  CreateFontIndirectA CreateFontIndirectW CreateFontIndirectExA CreateFontIndirectExW
  CreateCompatibleDC CreateDCA CreateDCW CreateICA CreateICW CreateCompatibleBitmap
  CreateBitmap CreateBitmapIndirect CreateDIBitmap CreateDIBSection CreateRectRgn
  CreateRectRgnIndirect CreateRoundRectRgn CreateEllipticRgn CreateEllipticRgnIndirect
  CreatePolygonRgn CreatePalette CreateHalftonePalette DeleteObject DeleteDC)
traced=("${gdi_creates[@]/#/gdi32.}" user32.GetDC user32.GetDCEx user32.GetWindowDC
  user32.ReleaseDC user32.BeginPaint user32.EndPaint)

trace_bytes() { stat -c %s "$work/leaks.trace"; }

wine_env_start_x
wine_env_use_prefix "${ORVENAL_WINEPREFIX:-$work/prefix}"
wine_trace_trap
wine_trace_functions "${traced[@]}"

# The driver's group "soak" arms the program, says "armed", and closes it when a line arrives
# on its standard input, a pipe held open here until the steady phase is over.
rm -f "$work/driver.in"
mkfifo "$work/driver.in"
wine_trace_run "$work/leaks.trace" "$driver" "$exe" soak <"$work/driver.in" >"$work/driver.out" &
driver_pid=$!
exec {feed}>"$work/driver.in"
failed=0
for ((tries = 0; tries < start_seconds * 10; tries++)); do
  grep -q '^ *armed' "$work/driver.out" && break
  kill -0 "$driver_pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q '^ *armed' "$work/driver.out"; then
  wine_utf8 <"$work/driver.out"
  echo "FAIL ui_leaks: the program was not armed within $start_seconds s"
  exit 1
fi
pid=$(wine_unix_pid "$(basename "$exe")")

sleep "$warm_up_seconds"
steady_from=$(trace_bytes)
rss_first=$(proc_rss_kib "$pid")
rss_samples=("$rss_first")
for ((elapsed = 0; elapsed < steady_seconds; elapsed += sample_seconds)); do
  sleep "$sample_seconds"
  rss_samples+=("$(proc_rss_kib "$pid")")
done
steady_to=$(trace_bytes)
rss_last=${rss_samples[-1]}
cpu_ticks=$(proc_cpu_ticks "$pid")

echo >&"$feed"
exec {feed}>&-
wine_wait_pid "$driver_pid" "$end_seconds" || failed=1
wine_utf8 <"$work/driver.out"

echo "VmRSS over ${steady_seconds} s after ${warm_up_seconds} s of warm-up, KiB: ${rss_samples[*]}"
echo "growth $((rss_last - rss_first)) KiB (tolerance ${rss_tolerance_kib} KiB);" \
  "CPU $((cpu_ticks * 1000 / $(getconf CLK_TCK))) ms since start"
if ((rss_last - rss_first > rss_tolerance_kib)); then
  echo "FAIL ui_leaks: resident memory grew by $((rss_last - rss_first)) KiB"
  failed=1
fi

wine_trace_calls "$work/leaks.trace" "$exe" >"$work/leaks.calls"
if ! awk -v steady_from="$steady_from" -v steady_to="$steady_to" \
  -f "$here/gdi-balance.awk" "$work/leaks.calls"; then
  echo "FAIL ui_leaks: GDI objects or device contexts were not given back"
  failed=1
fi

echo "ui_leaks: $((1 - failed)) passed, $failed failed"
[[ $failed -eq 0 ]]
