#!/usr/bin/env bash
# The test command: installs what is missing, builds every target for both word sizes with
# Clang and lld (the shipped program) and with GCC, and the MSVC-mode program; runs every test
# suite under Wine on the shipped 32-bit build, or on the 64-bit build of the same sources
# where this host cannot start 32-bit Wine. Then, side by side, the unit, end-to-end and hostile
# suites and the image check on GCC's program of the same word size, and clang-tidy on the
# shipped build's sources beside them.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
source scripts/wine-env.sh
# Every build, tests and tools included, warnings as errors: a fault that only one word size
# shows (a callback without the Win32 calling convention, say) fails here on any host.
# Clang's 64-bit build only where it is the one this host runs.
for preset in clang32 $([ "$VCONFIG_PRESET" = clang64 ] && echo clang64) win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  cmake --build --preset "$preset" --target package >/dev/null
done
# The MSVC-mode program (clang-cl, lld-link, Wine's headers): CTest's image and e2e_msvc entries
# of the 32-bit build check it.
cmake --preset msvc32-wine >/dev/null
cmake --build --preset msvc32-wine
if [ "$VCONFIG_PRESET" = clang32 ]; then
  echo "test: testing the shipped 32-bit build (build/clang32)"
else
  echo "test: this host cannot run 32-bit Wine; testing the 64-bit build of the same sources (build/clang64)"
fi
echo "test: and, side by side, GCC's build (build/$VCONFIG_GCC_PRESET): unit, end-to-end and hostile suites"
# Each run has a test world of its own (display, Wine prefix, sound server), so the two go
# side by side; their reports follow one after the other.
logs=build/test-logs
mkdir -p "$logs"
scripts/harness.sh "build/$VCONFIG_PRESET" ctest --preset "$VCONFIG_PRESET" -E '^tidy$' "$@" \
  >"$logs/clang.txt" 2>&1 &
shipped=$!
# clang-tidy needs no Wine, only the processor, which the suites leave idle while they wait for
# windows: it runs beside them.
ctest --preset "$VCONFIG_PRESET" -R '^tidy$' "$@" >"$logs/tidy.txt" 2>&1 &
tidy=$!
scripts/harness.sh "build/$VCONFIG_GCC_PRESET" ctest --preset "$VCONFIG_GCC_PRESET" -L program "$@" \
  >"$logs/gcc.txt" 2>&1 &
gcc=$!
status=0
wait "$shipped" || status=1
wait "$gcc" || status=1
wait "$tidy" || status=1
echo "test: clang-tidy on the shipped build's sources:"
cat "$logs/tidy.txt"
echo "test: build/$VCONFIG_GCC_PRESET (GCC):"
cat "$logs/gcc.txt"
echo "test: build/$VCONFIG_PRESET (Clang, shipped):"
cat "$logs/clang.txt"
echo "test: tested build/$VCONFIG_PRESET and build/$VCONFIG_GCC_PRESET;" \
     "clang32, win32, win64 and msvc32-wine were built"
exit "$status"
