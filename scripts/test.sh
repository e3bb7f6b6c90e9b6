#!/usr/bin/env bash
# The test command: installs what is missing, builds every target for both word sizes, and
# runs every test suite under Wine on the shipped 32-bit build, or on the 64-bit build of the
# same sources where this host cannot start 32-bit Wine. Then the same sources built by Clang
# and lld: the unit, end-to-end and hostile suites and the image check on that program.
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
# The second compiler: the 32-bit Clang program always, and the 64-bit one where it is the one
# this host can run.
clang_preset=clang${VCONFIG_PRESET#win}
for preset in clang32 $([ "$clang_preset" = clang64 ] && echo clang64); do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  cmake --build --preset "$preset" --target package >/dev/null
done
if [ "$VCONFIG_PRESET" = win32 ]; then
  echo "test: testing the shipped 32-bit build (build/win32)"
else
  echo "test: this host cannot run 32-bit Wine; testing the 64-bit build of the same sources (build/win64)"
fi
echo "test: and, side by side, the Clang build (build/$clang_preset): unit, end-to-end and hostile suites"
# Each run has a test world of its own (display, Wine prefix, sound server), so the two go
# side by side; their reports follow one after the other.
logs=build/test-logs
mkdir -p "$logs"
scripts/harness.sh "build/$VCONFIG_PRESET" ctest --preset "$VCONFIG_PRESET" "$@" >"$logs/gcc.txt" 2>&1 &
gcc=$!
scripts/harness.sh "build/$clang_preset" ctest --preset "$clang_preset" -L program "$@" >"$logs/clang.txt" 2>&1 &
clang=$!
status=0
wait "$gcc" || status=1
wait "$clang" || status=1
echo "test: build/$clang_preset (Clang):"
cat "$logs/clang.txt"
echo "test: build/$VCONFIG_PRESET (GCC):"
cat "$logs/gcc.txt"
echo "test: tested build/$VCONFIG_PRESET and build/$clang_preset;" \
     "win32, win64, msvc32-wine and clang32 were built"
exit "$status"
