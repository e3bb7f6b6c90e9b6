#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test suite under Wine.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
source scripts/wine-env.sh
# The shipped 32-bit program is always built, whatever this host can run.
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target VConfig skin_classic skin_night
if [ "$VCONFIG_PRESET" != win32 ]; then
  echo "test: this host cannot run 32-bit Wine; testing the 64-bit build of the same sources"
fi
cmake --preset "$VCONFIG_PRESET" >/dev/null
cmake --build --preset "$VCONFIG_PRESET"
scripts/harness.sh "build/$VCONFIG_PRESET" ctest --preset "$VCONFIG_PRESET" "$@"
