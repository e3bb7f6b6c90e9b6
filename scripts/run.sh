#!/usr/bin/env bash
# The run command: builds VConfig.exe and starts it under Wine from its shipping folder
# (VConfig.exe with Skins\ beside it). With a DISPLAY you work with the window; without one
# it runs on Xvfb, saves a screenshot, closes the window and returns.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
source scripts/wine-env.sh
cmake --preset "$VCONFIG_PRESET" -DVCONFIG_TESTS=OFF >/dev/null
cmake --build --preset "$VCONFIG_PRESET" --target VConfig skin_classic skin_night
dist=build/$VCONFIG_PRESET/dist
if [ -n "${DISPLAY:-}" ]; then
  VCONFIG_DISPLAY=$DISPLAY scripts/harness.sh "build/$VCONFIG_PRESET" "$WINE" "$dist/VConfig.exe"
else
  shot=$(realpath -m "build/$VCONFIG_PRESET/vconfig-window.png")
  scripts/harness.sh "build/$VCONFIG_PRESET" python3 scripts/screenshot.py "$dist/VConfig.exe" "$shot"
  echo "screenshot: $shot"
fi
