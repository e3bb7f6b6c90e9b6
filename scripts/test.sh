#!/usr/bin/env bash
# The test command: installs what is missing, builds every target for both word sizes, and
# runs every test suite under Wine on the shipped 32-bit build, or on the 64-bit build of the
# same sources where this host cannot start 32-bit Wine.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
source scripts/wine-env.sh
# Both builds, tests and tools included, warnings as errors: a fault that only one word size
# shows (a callback without the Win32 calling convention, say) fails here on any host.
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  cmake --build --preset "$preset" --target package >/dev/null
done
# The MSVC-mode program (clang-cl, lld-link, Wine's headers): CTest's image and e2e_msvc entries
# of the 32-bit build check it.
cmake --preset msvc32-wine >/dev/null
cmake --build --preset msvc32-wine
if [ "$VCONFIG_PRESET" = win32 ]; then
  echo "test: testing the shipped 32-bit build (build/win32)"
else
  echo "test: this host cannot run 32-bit Wine; testing the 64-bit build of the same sources (build/win64)"
fi
scripts/harness.sh "build/$VCONFIG_PRESET" ctest --preset "$VCONFIG_PRESET" "$@"
echo "test: tested build/$VCONFIG_PRESET; win32, win64 and msvc32-wine were built"
