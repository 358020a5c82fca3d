# Reads a Wine relay trace (WINEDEBUG=+pid,+timestamp,+loaddll,+relay) and prints one line per
# call that the program's own image made to a traced function, once the call has returned:
#
#   OFFSET SECONDS TID DLL.FUNCTION ARGS RETVAL
#
# separated by tabs, since a string argument may hold spaces.
# OFFSET is the byte offset of the Call line in the trace, so that a caller can cut the run
# into phases at offsets it noted while the program ran. ARGS are the arguments separated by
# commas, RETVAL the returned value; both as Wine printed them. A call that never returned
# (ExitWindowsEx ends the process inside the call) comes last, with RETVAL "-". Calls from
# Wine's own DLLs are
# dropped: they return to addresses outside the image, which starts where loaddll says it was
# loaded and spans the image size from its PE header.
#
#   awk -v image=orvenal.exe -v image_size=0x6b000 -f relay-calls.awk TRACE
#
# Debian's awk is mawk, which has no strtonum; hex_value() reads the addresses. They
# stay below 2^53, so a double holds them exactly.

function hex_value(text, value, i, digit) {
  sub(/^0[xX]/, "", text)
  value = 0
  for (i = 1; i <= length(text); i++) {
    digit = index("0123456789abcdef", tolower(substr(text, i, 1)))
    if (digit == 0) {
      return -1
    }
    value = value * 16 + digit - 1
  }
  return value
}

function return_address(line) {
  if (!match(line, / ret=[0-9a-fA-F]+$/)) {
    return -1
  }
  return hex_value(substr(line, RSTART + 5, RLENGTH - 5))
}

# 1234.567:0110:0114:... names the process 0110 and its thread 0114.
function from_image(line, fields, pid, address) {
  split(line, fields, ":")
  pid = fields[2]
  if (!(pid in image_base)) {
    return 0
  }
  address = return_address(line)
  return address >= image_base[pid] && address < image_base[pid] + image_length
}

BEGIN {
  OFS = "\t"
  images = 0
  image_length = hex_value(image_size)
  offset = 0
  wanted = "\\\\" tolower(image) "\" at "
}

{
  line_offset = offset
  offset += length($0) + 1
}

/:trace:loaddll:/ && index(tolower($0), wanted) {
  split($0, prefix, ":")
  image_base[prefix[2]] = hex_value(substr($0, index(tolower($0), wanted) + length(wanted), 16))
  images++
  next
}

# 1234.567:0110:0114:Call gdi32.CreateSolidBrush(00ececec) ret=1400017a8
/:Call [A-Za-z0-9_]+\.[A-Za-z0-9_]+\(/ {
  if (!from_image($0)) {
    next
  }
  split($0, prefix, ":")
  tid = prefix[3]
  start = index($0, ":Call ") + 6
  open = index($0, "(")
  args_end = match($0, /\) ret=[0-9a-fA-F]+$/)
  function_name = substr($0, start, open - start)
  depth[tid]++
  pending_name[tid, depth[tid]] = function_name
  pending_args[tid, depth[tid]] = substr($0, open + 1, args_end - open - 1)
  pending_offset[tid, depth[tid]] = line_offset
  pending_time[tid, depth[tid]] = prefix[1]
  next
}

# 1234.567:0110:0114:Ret  gdi32.CreateSolidBrush() retval=14100042 ret=1400017a8
/:Ret  [A-Za-z0-9_]+\.[A-Za-z0-9_]+\(\) retval=/ {
  if (!from_image($0)) {
    next
  }
  split($0, prefix, ":")
  tid = prefix[3]
  if (depth[tid] == 0) {
    next
  }
  match($0, /retval=[0-9a-fA-F]+/)
  retval = substr($0, RSTART + 7, RLENGTH - 7)
  n = depth[tid]--
  print pending_offset[tid, n], pending_time[tid, n], tid, pending_name[tid, n], \
    pending_args[tid, n], retval
}

END {
  if (images == 0) {
    print "relay-calls: no loaddll line for " image " in the trace" > "/dev/stderr"
    exit 1
  }
  for (tid in depth) {
    for (n = 1; n <= depth[tid]; n++) {
      print pending_offset[tid, n], pending_time[tid, n], tid, pending_name[tid, n], \
        pending_args[tid, n], "-"
    }
  }
}
