# Balances the GDI objects and device contexts a program made against those it gave back,
# from the output of relay-calls.awk (OFFSET SECONDS TID FUNCTION ARGS RETVAL per call, tab
# separated).
#
#   awk -v steady_from=OFFSET -v steady_to=OFFSET -f gdi-balance.awk CALLS
#
# The trace offsets steady_from and steady_to bound the steady phase, when the program only
# ticks: whatever it creates there must be gone again by its end, and it may hold no more
# objects at the end of that phase than at its start. After the program has ended, nothing it
# created may be left. Handles are compared by their low 32 bits, the part that names them.
# Prints the counts; exits 1 with the offending calls when the balance does not hold.

function handle(text) {
  text = tolower(text)
  while (length(text) < 8) {
    text = "0" text
  }
  return substr(text, length(text) - 7)
}

function phase(offset) {
  if (offset < steady_from) {
    return "start"
  }
  return offset < steady_to ? "steady" : "end"
}

function live_objects(count, h) {
  count = 0
  for (h in live) {
    count++
  }
  return count
}

BEGIN {
  FS = "\t"
  split("CreateSolidBrush CreateBrushIndirect CreateHatchBrush CreatePatternBrush " \
        "CreateDIBPatternBrushPt CreatePen CreatePenIndirect ExtCreatePen " \
        "CreateFontA CreateFontW CreateFontIndirectA CreateFontIndirectW " \
        "CreateFontIndirectExA CreateFontIndirectExW CreateCompatibleDC CreateDCA CreateDCW " \
        "CreateICA CreateICW CreateCompatibleBitmap CreateBitmap CreateBitmapIndirect " \
        "CreateDIBitmap CreateDIBSection CreateRectRgn CreateRectRgnIndirect " \
        "CreateRoundRectRgn CreateEllipticRgn CreateEllipticRgnIndirect CreatePolygonRgn " \
        "CreatePalette CreateHalftonePalette", names, " ")
  for (i in names) {
    creates["gdi32." names[i]] = 1
  }
  deletes["gdi32.DeleteObject"] = 1
  deletes["gdi32.DeleteDC"] = 1
  dc_gets["user32.GetDC"] = 1
  dc_gets["user32.GetDCEx"] = 1
  dc_gets["user32.GetWindowDC"] = 1
  failed = 0
  live_at_steady_from = -1
  live_at_steady_to = -1
}

{
  offset = $1 + 0
  if (live_at_steady_from < 0 && offset >= steady_from) {
    live_at_steady_from = live_objects()
  }
  if (live_at_steady_to < 0 && offset >= steady_to) {
    live_at_steady_to = live_objects()
  }
  call = $4 "(" $5 ") = " $6 " at " $2 " s"
  split($5, args, ",")
}

$4 in creates {
  if (handle($6) == "00000000") {
    next
  }
  created[phase(offset)]++
  live[handle($6)] = call
  made_in[handle($6)] = phase(offset)
  next
}

$4 in deletes {
  h = handle(args[1])
  if (!(h in live)) {
    print "deleted what it did not create (or deleted twice): " call
    failed = 1
    next
  }
  deleted[phase(offset)]++
  if (made_in[h] == "steady") {
    steady_deleted_again++
  }
  delete live[h]
  next
}

$4 in dc_gets {
  if (handle($6) != "00000000") {
    dcs[handle($6)]++
    dcs_got++
  }
  next
}

$4 == "user32.ReleaseDC" {
  h = handle(args[2])
  if (dcs[h] > 0) {
    dcs[h]--
    dcs_released++
  } else {
    print "released a device context it did not get: " call
    failed = 1
  }
  next
}

$4 == "user32.BeginPaint" {
  paints_begun++
  next
}

$4 == "user32.EndPaint" {
  paints_ended++
  next
}

END {
  if (live_at_steady_from < 0) {
    live_at_steady_from = live_objects()
  }
  if (live_at_steady_to < 0) {
    live_at_steady_to = live_objects()
  }
  total_created = created["start"] + created["steady"] + created["end"]
  total_deleted = deleted["start"] + deleted["steady"] + deleted["end"]
  printf "gdi objects: created %d, deleted %d; steady phase: created %d, deleted %d, " \
         "%d of its own deleted again; held %d at its start, %d at its end\n", total_created,
         total_deleted, created["steady"] + 0, deleted["steady"] + 0, steady_deleted_again + 0,
         live_at_steady_from, live_at_steady_to
  printf "device contexts: got %d, released %d; paints begun %d, ended %d\n", dcs_got + 0,
         dcs_released + 0, paints_begun + 0, paints_ended + 0
  if (live_at_steady_to > live_at_steady_from) {
    print "the steady phase left more objects than it found"
    failed = 1
  }
  for (h in live) {
    print "never deleted: " live[h]
    failed = 1
  }
  for (h in dcs) {
    if (dcs[h] > 0) {
      print "never released: device context " h " (" dcs[h] " times)"
      failed = 1
    }
  }
  if (paints_begun != paints_ended) {
    failed = 1
  }
  exit failed
}
