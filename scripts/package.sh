#!/usr/bin/env bash
# The release command: installs what is missing, builds the shipped 32-bit program and makes
# build/win32/VConfig-<version>-win32.zip (VConfig.exe, Skins\, ReadMe.txt).
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target package | grep 'package:'
