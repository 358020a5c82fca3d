#!/usr/bin/env bash
# Checks that a built orvenal.exe is a GUI program of the expected format that imports system
# DLLs only, so that it runs on a stock Windows without any runtime beside it.
set -euo pipefail
exe=$1
format=$2
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|msvcrt)\.dll$'

dump=$(x86_64-w64-mingw32-objdump -p "$exe")
fail() { echo "check-exe: $exe: $*" >&2; exit 1; }

grep -q "file format $format" <<<"$dump" || fail "not $format"
grep -qE '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$dump" || fail "not a GUI program"
while read -r dll; do
  [[ ${dll,,} =~ $allowed ]] || fail "imports $dll"
done < <(awk '/DLL Name:/ {print $3}' <<<"$dump")
grep -q 'FileVersion' < <(x86_64-w64-mingw32-strings -el "$exe") || fail "no version record"
echo "check-exe: $exe: $format GUI, imports $(awk '/DLL Name:/ {printf "%s ", $3}' <<<"$dump")"
