#!/usr/bin/env bash
# Installs what is missing, builds the three presets and runs every test: the host unit tests,
# the same under AddressSanitizer and UBSan, checks of the two Windows programs, the tests of
# the real program under Wine, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

step() { printf '\n== %s\n' "$*"; }

step "host: unit tests"
cmake --preset host >/dev/null
cmake --build --preset host -j2
ctest --preset host

step "host-asan: unit tests under AddressSanitizer and UBSan"
cmake --preset host-asan >/dev/null
cmake --build --preset host-asan -j2
ctest --preset host-asan

step "win32: the shipped program"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2
scripts/check-exe.sh build/win32/orvenal.exe pei-i386

step "win64: the program and its tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
scripts/check-exe.sh build/win64/orvenal.exe pei-x86-64
ctest --preset win64

step "fuzzing"
fuzz/run.sh 30
