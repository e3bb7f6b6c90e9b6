#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Idempotent: does nothing (quietly) when everything is already there.
set -euo pipefail

# clang-14, lld-14, llvm-14, libwine-dev and libc++-14-dev: the MSVC-mode build (clang-cl, lld-link,
# llvm-dlltool, llvm-rc; Wine's Windows headers, libc++'s C++ headers). clang-format-14 and
# clang-tidy-14 (binaries clang-format-14, clang-tidy-14): CTest's format and tidy entries.
# wine64-preloader, which Debian only suggests (so does wine32 its own): without it, Wine claims
# its fixed addresses only after the kernel has put the heap anywhere in a gigabyte above the
# loader, and about one Wine process in a few thousand finds its shared user data page
# (0x7ffe0000) taken and ends at start with code 1 ("failed to map the shared user data"): a
# `wine reg` of a suite here, a program there.
pkgs=(cmake make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix
      binutils-mingw-w64-x86-64 clang lld wine wine64 wine64-preloader
      fonts-wine xvfb xdotool x11-utils x11-apps imagemagick locales pulseaudio googletest python3
      clang-14 lld-14 llvm-14 libwine-dev libc++-14-dev clang-format-14 clang-tidy-14)
# 32-bit Wine only where the kernel can start a 32-bit program: elsewhere the commands run the
# 64-bit twin (scripts/wine-env.sh), and the i386 packages would only be a download that can fail.
pkgs32=(wine32:i386 wine32-preloader:i386)

# A 93-byte i386 ELF that calls exit(0); a kernel without 32-bit emulation refuses to start it.
# Written beside the build folders, not in /tmp, which may be mounted noexec.
kernel_runs_32bit() {
  local probe status=0
  mkdir -p "$(dirname "$0")/../build"
  probe=$(mktemp "$(dirname "$0")/../build/.elf32.XXXXXX")
  printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0'`
        `'\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08'`
        `'\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0\x31\xdb\xb8\x01\0\0\0\xcd\x80' \
    >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return "$status"
}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

want32=() note32=
if kernel_runs_32bit; then
  want32=("${pkgs32[@]}")
else
  note32="deps: this kernel cannot start 32-bit programs; leaving out ${pkgs32[*]}"
fi

missing=() missing32=()
for p in "${pkgs[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${want32[@]}"; do installed "$p" || missing32+=("$p"); done

all=("${missing[@]}" "${missing32[@]}")
if [ ${#all[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "deps: missing packages: ${all[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "deps: installing ${all[*]}" >&2
  [ -z "$note32" ] || echo "$note32" >&2
  export DEBIAN_FRONTEND=noninteractive
  if [ ${#missing32[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # An index that fails (a mirror in mid-sync, say) is named and left out: apt keeps what the
  # others offer, and only the packages that needed it fail below.
  log=$(mktemp)
  if ! apt-get update -qq >"$log" 2>&1; then
    sed -n 's/^E: Failed to fetch \([^ ]*\).*/deps: package index not downloaded, going on without it: \1/p' \
      "$log" >&2
  fi
  rm -f "$log"
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  if [ ${#missing32[@]} -gt 0 ] &&
     ! apt-get install -y -qq --no-install-recommends "${missing32[@]}" >/dev/null 2>&1; then
    echo "deps: ${missing32[*]} could not be installed; the commands use the 64-bit build" >&2
  fi
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
