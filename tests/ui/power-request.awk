# Judges the power-off request in the output of relay-calls.awk (tab separated: OFFSET SECONDS
# TID FUNCTION ARGS RETVAL) for a program that was started, armed once for the current minute
# and then ended the session.
#
# The click shows in the trace as the SetTimer call that starts the schedule's one-second
# timer; the request must be ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, 0), come within two
# ticks of it, and follow the step that enables the shutdown privilege. The 64-bit trace prints
# whole argument slots, so only the low 32 bits of a 32-bit argument count.
#
#   awk -v within_ms=2500 -f power-request.awk CALLS

function low32(text) {
  text = tolower(text)
  while (length(text) < 8) {
    text = "0" text
  }
  return substr(text, length(text) - 7)
}

BEGIN {
  FS = "\t"
  arm_period = "000003e8"      # 1000 ms
  power_off_force = "0000000c" # EWX_POWEROFF 0x8 | EWX_FORCE 0x4
  armed_at = -1
  requested_at = -1
}

$4 == "user32.SetTimer" && armed_at < 0 {
  split($5, args, ",")
  if (low32(args[3]) == arm_period) {
    armed_at = $2
  }
  next
}

$4 == "advapi32.LookupPrivilegeValueA" && index($5, "\"SeShutdownPrivilege\"") {
  looked_up = 1
  next
}

$4 ~ /\.AdjustTokenPrivileges$/ && requested_at < 0 {
  adjusted = looked_up
  next
}

$4 == "user32.ExitWindowsEx" {
  requests++
  if (requested_at < 0) {
    split($5, args, ",")
    requested_at = $2
    flags = low32(args[1])
    reason = low32(args[2])
  }
}

END {
  failed = 0
  if (armed_at < 0) {
    print "no SetTimer with a 1000 ms period from the program: it was never armed"
    exit 1
  }
  if (requested_at < 0) {
    print "no ExitWindowsEx from the program"
    exit 1
  }
  delay = int((requested_at - armed_at) * 1000 + 0.5)
  printf "ExitWindowsEx(%s, %s) %d ms after arming; %d request(s); shutdown privilege %s\n",
         flags, reason, delay, requests, adjusted ? "enabled first" : "not enabled first"
  if (flags != power_off_force || reason != "00000000") {
    print "the request is not EWX_POWEROFF | EWX_FORCE with reason 0"
    failed = 1
  }
  if (delay > within_ms) {
    print "the request came later than " within_ms " ms after arming"
    failed = 1
  }
  if (!adjusted) {
    print "SeShutdownPrivilege was not looked up and enabled before the request"
    failed = 1
  }
  exit failed
}
