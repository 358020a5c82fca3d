# Shell functions for the tests that watch a Windows program from outside its Wine session:
# Wine's relay trace of the calls it makes, and the CPU time and memory of the unix processes
# that run it. Sourced after wine-env.sh, in a shell whose WINEPREFIX is set.
#
# Under Wine, GetGuiResources and GetProcessTimes of another process give nothing useful, and
# ExitWindowsEx ends the session together with any driver inside it; so these measurements are
# taken here, on the Linux side.
#
#   wine_trace_functions FUNCTION...  the only functions the relay trace reports (dll.Function)
#   wine_trace_run TRACE EXE [ARG...] run EXE, and what it starts, with the relay trace
#                                     going to TRACE; returns EXE's exit code
#   wine_wait_pid PID SECONDS         wait for a background job to end; its exit code, or
#                                     WINE_TRACE_TIMED_OUT if it still runs
#   wine_utf8                         filter: a driver's code page 936 CRLF lines as UTF-8
#   wine_trace_trap                   clean up on exit also after the session has ended
#   wine_trace_image_size EXE         the image size from EXE's PE header, as 0x...
#   wine_trace_calls TRACE EXE        the traced calls that EXE's own image made
#   wine_unix_pid NAME [SECONDS]      wait for the unix process running NAME in this prefix
#   wine_server_pid                   the wineserver of this prefix
#   proc_cpu_ticks PID                user + system CPU time so far, in clock ticks
#   proc_rss_kib PID                  resident set size now, in KiB

WINE_TRACE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_TRACE_CHANNELS=+pid,+timestamp,+loaddll,+relay
WINE_TRACE_OBJDUMP=${WINE_TRACE_OBJDUMP:-x86_64-w64-mingw32-objdump}
WINE_TRACE_TIMED_OUT=124
# /proc/PID/stat: utime and stime are fields 14 and 15; the command name before them is in
# parentheses and may hold spaces, so fields are counted from 0 after its closing parenthesis.
WINE_TRACE_UTIME_AFTER_NAME=11
WINE_TRACE_STIME_AFTER_NAME=12

# The registry value is read when a traced process starts, so it must be in place before.
# It lives in the prefix and tells only traced processes anything.
wine_trace_functions() {
  local IFS=';'
  "$WINE_ENV_WINE" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d "$*" /f \
    >/dev/null 2>&1 || wine_env_die "could not set RelayInclude in $WINEPREFIX"
}

# A program the traced one starts inherits both the channels and the unix stderr.
wine_trace_run() {
  local trace=$1
  shift
  WINEDEBUG=$WINE_TRACE_CHANNELS wine_env_run "$@" 2>"$trace"
}

# wine_env_stop's first step fails once a session has ended by itself (as the power-off
# request ends it), and under set -e that would leave the X server running. To be called
# after wine_env_use_prefix, which sets the traps of wine-env.sh.
wine_trace_trap() {
  trap 'set +e; wine_env_stop' EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
}

wine_wait_pid() {
  local pid=$1 seconds=$2 tries
  for ((tries = 0; tries < seconds * 10; tries++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      return
    fi
    sleep 0.1
  done
  echo "wine-trace: process $pid still runs after $seconds s" >&2
  return "$WINE_TRACE_TIMED_OUT"
}

wine_utf8() {
  tr -d '\r' | iconv -f GB18030 -t UTF-8 -c
}

wine_trace_image_size() {
  "$WINE_TRACE_OBJDUMP" -p "$1" | awk '$1 == "SizeOfImage" { print "0x" $2; exit }'
}

wine_trace_calls() {
  local trace=$1 exe=$2
  awk -v image="$(basename "$exe")" -v image_size="$(wine_trace_image_size "$exe")" \
    -f "$WINE_TRACE_DIR/relay-calls.awk" "$trace"
}

# True when the process's command is a program file whose name is NAME (either kind of slash,
# any case; Wine puts the whole Windows command line into the first argument) and it belongs
# to this prefix: other runs may have the same program open.
wine_pid_is() {
  local pid=$1 name=${2,,} command
  command=$(tr '\0' '\n' 2>/dev/null <"/proc/$pid/cmdline" | head -n 1) || return 1
  command=${command,,}
  command=${command%%.exe*}.exe
  command=${command##*[/\\]}
  [[ $command == "$name" ]] || return 1
  tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"
}

wine_unix_pid() {
  local name=$1 seconds=${2:-30} pid tries
  for ((tries = 0; tries < seconds * 10; tries++)); do
    for pid in $(pgrep -f -i -- "$name"); do
      if wine_pid_is "$pid" "$name"; then
        echo "$pid"
        return 0
      fi
    done
    sleep 0.1
  done
  wine_env_die "no process runs $name in $WINEPREFIX after $seconds s"
}

wine_server_pid() {
  local pid
  for pid in $(pgrep -x 'wineserver(64)?'); do
    if tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return 0
    fi
  done
  wine_env_die "no wineserver runs for $WINEPREFIX"
}

proc_cpu_ticks() {
  local stat fields
  stat=$(<"/proc/$1/stat") || return 1
  stat=${stat##*) }
  read -r -a fields <<<"$stat"
  echo $((fields[WINE_TRACE_UTIME_AFTER_NAME] + fields[WINE_TRACE_STIME_AFTER_NAME]))
}

proc_rss_kib() {
  awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status"
}
