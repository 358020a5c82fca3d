#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++ and runs each one for a bounded time.
#
#   fuzz/run.sh [seconds per target, default 30] [target names, default all]
#
# A target is fuzz/<name>.cpp linked with the sources listed for it below; to add one, write
# the file and add a line to TARGETS. When fuzz/<name>.dict exists it is given to libFuzzer.
# Everything built or found goes under build/fuzz/: the binaries, a corpus per target kept
# between runs, the logs, and the inputs that broke a property (artifacts/<name>/).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift $(($# > 0 ? 1 : 0))

# name | sources it links, relative to the repository root
TARGETS=(
  "text_to_number_fuzz | values/text.cpp values/text_to_number.cpp"
  "date_time_fuzz | values/text.cpp values/date_time.cpp values/local_clock.cpp"
  "hyperlink_command_fuzz | app/hyperlink_open.cpp"
)

CXX=${CXX:-clang++}
CXXFLAGS=(-std=c++20 -O1 -g -fno-omit-frame-pointer
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror -I"$root")

out=$root/build/fuzz
mkdir -p "$out"

selected() {
  [[ ${#wanted[@]} -eq 0 ]] && return 0
  local w
  for w in "${wanted[@]}"; do [[ $w == "$1" ]] && return 0; done
  return 1
}
wanted=("$@")

summary=()
failed=0
for entry in "${TARGETS[@]}"; do
  name=$(echo "${entry%%|*}" | xargs)
  read -r -a sources <<<"${entry#*|}"
  selected "$name" || continue

  echo "== $name: building"
  "$CXX" "${CXXFLAGS[@]}" "$root/fuzz/$name.cpp" "${sources[@]/#/$root/}" -o "$out/$name"

  corpus=$out/corpus/$name
  artifacts=$out/artifacts/$name/
  log=$out/$name.log
  mkdir -p "$corpus" "$artifacts"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
    -artifact_prefix="$artifacts")
  [[ -f $root/fuzz/$name.dict ]] && options+=(-dict="$root/fuzz/$name.dict")

  echo "== $name: fuzzing for ${seconds}s"
  if "$out/$name" "${options[@]}" "$corpus" >"$log" 2>&1; then
    result=passed
  else
    result=FAILED
    failed=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)
  summary+=("$(printf '%-24s %-7s runs %-10s %-10s corpus %s' "$name" "$result" \
    "${runs:-?}" "${coverage:-cov: ?}" "$(find "$corpus" -type f | wc -l)")")
  if [[ $result == FAILED ]]; then
    grep -E 'property broken|ERROR|SUMMARY|Test unit written' "$log" | head -5 || true
  fi
done

echo "== summary (logs and artifacts in $out)"
printf '%s\n' "${summary[@]}"
exit "$failed"
