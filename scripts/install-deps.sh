#!/usr/bin/env bash
# Installs what building and testing Orvenal needs on Debian 12: the host compilers and test
# libraries, the MinGW-w64 cross compilers, and Wine with a headless X server, a Chinese font
# and the zh_CN.UTF-8 locale for the tests under Wine. Runs as root, or through sudo.
# Repeated runs find everything in place and leave apt alone, so they are quick and silent.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 xvfb fonts-wqy-zenhei locales imagemagick
)
locale_line="zh_CN.UTF-8 UTF-8"

as_root() {
  if [[ $(id -u) -eq 0 ]]; then
    "$@"
  else
    sudo "$@"
  fi
}

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ $status == installed ]] || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q >"$log" 2>&1 ||
    ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
      "${missing[@]}" >>"$log" 2>&1; then
    cat "$log" >&2
    echo "install-deps: installing ${missing[*]} failed" >&2
    exit 1
  fi
fi

# locale -a spells the name in its normalised form, zh_CN.utf8.
if ! locale -a 2>/dev/null | grep -qx 'zh_CN\.utf8'; then
  if ! grep -qx "$locale_line" /etc/locale.gen 2>/dev/null; then
    echo "$locale_line" | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
