#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Idempotent: does nothing (quietly) when everything is already there.
set -euo pipefail

# clang-14, lld-14, llvm-14, libwine-dev and libc++-14-dev: the MSVC-mode build (clang-cl, lld-link,
# llvm-dlltool, llvm-rc; Wine's Windows headers, libc++'s C++ headers). clang-format-14 and
# clang-tidy-14 (binaries clang-format-14, clang-tidy-14): CTest's format and tidy entries.
pkgs=(cmake make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix
      binutils-mingw-w64-x86-64 clang lld wine wine32:i386 wine64
      fonts-wine xvfb xdotool x11-utils x11-apps imagemagick locales pulseaudio googletest python3
      clang-14 lld-14 llvm-14 libwine-dev libc++-14-dev clang-format-14 clang-tidy-14)

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "deps: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "deps: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq >/dev/null
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *ru_RU.UTF-8/ru_RU.UTF-8/' /etc/locale.gen
    locale-gen >/dev/null
  else
    echo "deps: locale ru_RU.UTF-8 is missing" >&2
    exit 1
  fi
fi
