# Shell functions that run Orvenal's Windows builds under Wine on a headless Linux machine.
# Sourced by the UI test runner, the screenshot tool and scripts/run.sh.
#
# A run takes an X server (a private Xvfb unless a display is given), a Wine prefix kept in
# the build tree and reused across runs, and a Wine virtual desktop so that windows get title
# bars without a window manager. Everything started here is stopped on exit.
#
#   wine_env_start_x               start Xvfb on a free display and export DISPLAY
#   wine_env_use_prefix DIR        create DIR as a prefix once, then export WINEPREFIX etc.
#   wine_env_run PROGRAM [ARG...]  run a Windows program, return its exit code
#   wine_env_launch EXE PREFIX     start the program for a person (scripts/run.sh)
#   wine_env_stop                  stop Wine and Xvfb (registered as the EXIT trap)

WINE_ENV_WINE=${WINE_ENV_WINE:-/usr/lib/wine/wine64}
WINE_ENV_WINESERVER=${WINE_ENV_WINESERVER:-/usr/lib/wine/wineserver}
WINE_ENV_DESKTOP_SIZE=1024x768
WINE_ENV_FIRST_DISPLAY=90
WINE_ENV_LAST_DISPLAY=189
WINE_ENV_X_START_SECONDS=10
WINE_ENV_PREFIX_WAIT_SECONDS=600
WINE_ENV_XVFB_PID=

# The locale gives the programs code page 936 for their ANSI texts. It is set on each Wine
# command rather than for the whole shell, which keeps the shell's own messages as they were.
WINE_ENV_LOCALE=zh_CN.UTF-8

# No Mono or Gecko install prompts, no Wine chatter.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Stops everything on any way out: a normal end, or Ctrl+C and kill turned into one.
wine_env_trap() {
  trap wine_env_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
}

wine_env_die() {
  echo "wine-env: $*" >&2
  return 1
}

# Starts Xvfb on the first display from :90 on that has no lock file and exports DISPLAY.
# Another run may take the same number between the check and the start; Xvfb then exits at
# once and the next number is tried.
wine_env_start_x() {
  local display
  for ((display = WINE_ENV_FIRST_DISPLAY; display <= WINE_ENV_LAST_DISPLAY; display++)); do
    [[ -e /tmp/.X$display-lock ]] && continue
    Xvfb ":$display" -screen 0 "${WINE_ENV_DESKTOP_SIZE}x24" -nolisten tcp >/dev/null 2>&1 8>&- &
    WINE_ENV_XVFB_PID=$!
    local waited
    for ((waited = 0; waited < WINE_ENV_X_START_SECONDS * 10; waited++)); do
      kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break
      if [[ -S /tmp/.X11-unix/X$display ]]; then
        export DISPLAY=":$display"
        wine_env_trap
        return 0
      fi
      sleep 0.1
    done
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=
  done
  wine_env_die "no free X display between :$WINE_ENV_FIRST_DISPLAY and :$WINE_ENV_LAST_DISPLAY"
}

# Exports WINEPREFIX=DIR, creating the prefix on first use, and holds it until the exit.
#
# One prefix has one wineserver, and its virtual desktop lives on the X display of the first
# program started, so two runs at once (the tests, a screenshot, a person's session) would
# mix their windows: a run waits for the one before it to end. The virtual desktop is
# switched on in the registry rather than with "explorer /desktop", because only then does
# the program's exit code come back to the shell. A marker file tells a finished prefix from
# one whose creation was interrupted.
wine_env_use_prefix() {
  local prefix=$1
  mkdir -p "$(dirname "$prefix")" || return 1
  prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
  export WINEPREFIX=$prefix
  wine_env_trap
  # File descriptor 8 holds the lock for the rest of the run. The processes started from here
  # get it closed, or the wineserver, which outlives its programs, would keep the lock.
  exec 8>"$prefix.lock"
  if ! flock -n 8; then
    echo "wine-env: waiting for another run that uses $prefix" >&2
    flock -w "$WINE_ENV_PREFIX_WAIT_SECONDS" 8 ||
      wine_env_die "$prefix stayed in use for $WINE_ENV_PREFIX_WAIT_SECONDS s" || return 1
  fi
  local ready=$prefix/.orvenal-ready
  [[ -e $ready ]] && return 0
  rm -rf "$prefix"
  # Without a debugger registered, a crashing program ends at once with its exception code
  # instead of leaving a debugger behind that holds the test's output open until its timeout.
  if ! wine_env_run wineboot --init >/dev/null 2>&1 ||
    ! wine_env_run reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
      >/dev/null 2>&1 ||
    ! wine_env_run reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
      /d "$WINE_ENV_DESKTOP_SIZE" /f >/dev/null 2>&1 ||
    ! wine_env_run reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Debugger /d 'C:\windows\no-debugger.exe %ld %ld' /f >/dev/null 2>&1; then
    wine_env_die "could not create the Wine prefix $prefix"
    return 1
  fi
  # The registry reaches the disk only when the server ends.
  "$WINE_ENV_WINESERVER" -w
  touch "$ready"
}

# Runs a Windows program in the current prefix and returns its exit code.
wine_env_run() {
  LANG=$WINE_ENV_LOCALE LC_ALL=$WINE_ENV_LOCALE "$WINE_ENV_WINE" "$@" 8>&-
}

# Stops every Wine process of the prefix and the Xvfb that wine_env_start_x started.
# Every step is allowed to fail: the session may already be gone, for instance after a
# power-off request ended it, and Xvfb must be stopped all the same.
wine_env_stop() {
  if [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]]; then
    "$WINE_ENV_WINESERVER" -k >/dev/null 2>&1 || true
    # Wine's processes would complain if their X server went away first.
    "$WINE_ENV_WINESERVER" -w >/dev/null 2>&1 || true
  fi
  if [[ -n $WINE_ENV_XVFB_PID ]]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=
  fi
  return 0
}

# Starts the program for a person and waits until its window is closed; returns its exit
# code. On a desktop with DISPLAY set the window opens there; without one a private Xvfb is
# started and its display is printed, so that the window can be looked at with a screenshot.
wine_env_launch() {
  local exe=$1 prefix=$2
  [[ -f $exe ]] || wine_env_die "$exe does not exist; build it first" || return 1
  if [[ -z ${DISPLAY:-} ]]; then
    wine_env_start_x || return 1
    echo "wine-env: no DISPLAY; the window is on the virtual X display $DISPLAY" >&2
  fi
  wine_env_use_prefix "$prefix" || return 1
  wine_env_run "$exe"
}
