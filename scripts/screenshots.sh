#!/usr/bin/env bash
# Refreshes the README's pictures (the five pages, the first page at 150 %),
# driving the program with the end-to-end suite's machinery.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
source scripts/wine-env.sh
cmake --preset "$VCONFIG_PRESET" >/dev/null
cmake --build --preset "$VCONFIG_PRESET"
mkdir -p docs
build=build/$VCONFIG_PRESET
scripts/harness.sh "$build" python3 scripts/pictures.py "$build" "$PWD/docs"
ls docs/*.png
