#!/usr/bin/env bash
# Refreshes the README's pictures (the five pages, the hotkey box) from the end-to-end suite.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
source scripts/wine-env.sh
cmake --preset "$VCONFIG_PRESET" >/dev/null
cmake --build --preset "$VCONFIG_PRESET"
mkdir -p docs
build=build/$VCONFIG_PRESET
VCONFIG_SCREENSHOTS=$PWD/docs scripts/harness.sh "$build" python3 tests/e2e/run_e2e.py \
  --dist "$build/dist" --tools "$build/tests/e2e" --work "$build/tests/e2e/work"
ls docs/*.png
