#!/usr/bin/env bash
# What it costs to leave Orvenal open: its CPU time while the clock ticks, against the least a
# program showing a 50 ms clock needs (minimal_clock.exe), both run side by side in one Wine
# session on a private X display.
#
#   tests/perf/idle-cost.sh [SECONDS [WARM_UP_SECONDS]]    default 30 and 10
#
# The yardstick starts first and is measured alone, then Orvenal joins it and both are
# measured over the same interval. CPU time is user + system time of each unix process from
# /proc. The wineserver serves both; its extra time once Orvenal has joined is put down to
# Orvenal, and the same goes for explorer.exe, which hosts the virtual desktop.
# Builds the win64 preset first, so it runs on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/../.."

interval=${1:-30}
warm_up=${2:-10}
build=build/win64
program=$build/orvenal.exe
yardstick=$build/minimal_clock.exe

if [[ -x scripts/install-deps.sh ]]; then
  scripts/install-deps.sh
fi
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 >/dev/null

source tests/ui/wine-env.sh
source tests/ui/wine-trace.sh
wine_env_start_x
wine_env_use_prefix "$build/perf-prefix"
wine_trace_trap

clock_ticks=$(getconf CLK_TCK)

# Prints the CPU ticks of each pid, in order, on one line.
sample() {
  local pid
  for pid in "$@"; do
    printf '%s ' "$(proc_cpu_ticks "$pid" || wine_env_die "process $pid has ended")"
  done
  echo
}

# Waits out the warm-up, then samples the pids at the start and the end of the interval;
# prints the ticks each used in between.
measure() {
  local before after
  sleep "$warm_up"
  before=$(sample "$@")
  sleep "$interval"
  after=$(sample "$@")
  awk -v before="$before" -v after="$after" 'BEGIN {
    n = split(before, b, " "); split(after, a, " ")
    for (i = 1; i <= n; i++) printf "%d ", a[i] - b[i]
    print ""
  }'
}

wine_env_run "$yardstick" &
yardstick_pid=$(wine_unix_pid "$(basename "$yardstick")")
server_pid=$(wine_server_pid)
explorer_pid=$(wine_unix_pid explorer.exe)

echo "idle-cost: $(basename "$yardstick") alone, ${warm_up} s warm-up, then ${interval} s" >&2
alone=$(measure "$yardstick_pid" "$server_pid" "$explorer_pid")
read -r alone_yardstick alone_server alone_explorer <<<"$alone"

wine_env_run "$program" &
program_pid=$(wine_unix_pid "$(basename "$program")")
echo "idle-cost: both side by side, ${warm_up} s warm-up, then ${interval} s" >&2
both=$(measure "$program_pid" "$yardstick_pid" "$server_pid" "$explorer_pid")
read -r program_used yardstick_used server_used explorer_used <<<"$both"

awk -v hz="$clock_ticks" -v interval="$interval" -v program="$program_used" \
  -v yardstick="$yardstick_used" -v alone_yardstick="$alone_yardstick" \
  -v server="$server_used" -v alone_server="$alone_server" \
  -v explorer="$explorer_used" -v alone_explorer="$alone_explorer" 'function line(name, ticks) {
    printf "  %-32s %7.2f s  %5.1f %% of one core\n", name, ticks / hz, 100 * ticks / hz / interval
  }
  BEGIN {
    printf "CPU time over %d s, side by side in one Wine session:\n", interval
    line("orvenal.exe", program)
    line("minimal_clock.exe", yardstick)
    line("minimal_clock.exe, alone", alone_yardstick)
    line("wineserver, both", server)
    line("wineserver, yardstick alone", alone_server)
    line("explorer.exe, both", explorer)
    line("explorer.exe, yardstick alone", alone_explorer)
    own = program + server - alone_server + explorer - alone_explorer
    line("orvenal.exe with its share", own)
    line("minimal_clock.exe with its share", yardstick + alone_server + alone_explorer)
    if (yardstick > 0) {
      printf "ratio orvenal / minimal, processes alone: %.2f\n", program / yardstick
    }
    if (yardstick + alone_server + alone_explorer > 0) {
      printf "ratio orvenal / minimal, with the server and desktop shares: %.2f\n",
             own / (yardstick + alone_server + alone_explorer)
    }
  }'
