#!/usr/bin/env bash
# The benchmark command: installs what is missing, builds the release programs, the baseline
# and the harness, and prints the table (start-up, memory, size, scaling).
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
source scripts/wine-env.sh
# The shipped 32-bit program (Clang and lld) is always built and weighed.
cmake --preset clang32 >/dev/null
cmake --build --preset clang32 --target VConfig vconfig_objects baseline skin_classic skin_night >/dev/null
cmake --preset "$VCONFIG_PRESET" >/dev/null
cmake --build --preset "$VCONFIG_PRESET" --target VConfig baseline startbench skin_classic skin_night >/dev/null
scripts/harness.sh "build/$VCONFIG_PRESET" python3 bench/bench.py --build "build/$VCONFIG_PRESET" \
  --shipped build/clang32 "$@"
