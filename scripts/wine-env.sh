# Sourced: picks the Wine loader and the builds that fit this host. The shipped program is
# Clang's (VCONFIG_PRESET); GCC's build of the same sources is the second (VCONFIG_GCC_PRESET).
# A kernel without 32-bit emulation cannot start the 32-bit Wine loader; then the 64-bit
# builds of the same sources are what runs here (the 32-bit programs are still built).
# The Russian locale is set by harness.sh, a process started after deps.sh has made it: a
# shell that was already running when the locale was generated cannot switch to it.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINE=/usr/lib/wine/wine VCONFIG_PRESET=clang32 VCONFIG_GCC_PRESET=win32
else
  export WINE=/usr/lib/wine/wine64 VCONFIG_PRESET=clang64 VCONFIG_GCC_PRESET=win64
fi
if [ -x /usr/lib/wine/wineserver64 ]; then export WINESERVER=/usr/lib/wine/wineserver64
else export WINESERVER=/usr/lib/wine/wineserver; fi
export WINELOADER=$WINE
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
