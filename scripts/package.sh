#!/usr/bin/env bash
# The release command: installs what is missing, builds the shipped 32-bit program (Clang and
# lld) and makes build/clang32/VConfig-<version>-win32.zip (VConfig.exe, Skins\, ReadMe.txt).
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
cmake --preset clang32 >/dev/null
cmake --build --preset clang32 --target package | grep 'package:'
