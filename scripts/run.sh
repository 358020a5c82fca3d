#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine. On a desktop the
# window opens on the current display; on a headless machine it opens on a private Xvfb
# display (printed), where `DISPLAY=:N import -window root shot.png` shows it.
# The shipped 32-bit build is made too; the 64-bit one is what runs here.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target orvenal -j2
done

# shellcheck source=../tests/ui/wine-env.sh
source tests/ui/wine-env.sh
trap wine_env_stop EXIT
echo "run: starting build/win64/orvenal.exe; close its window to end"
wine_env_launch build/win64/orvenal.exe "$PWD/build/win64/wineprefix"
