# Sourced: picks the Wine loader and the build that fit this host.
# A kernel without 32-bit emulation cannot start the 32-bit Wine loader; then the 64-bit
# build of the same sources is what runs here (the 32-bit program is still built).
# The Russian locale is set by harness.sh, a process started after deps.sh has made it: a
# shell that was already running when the locale was generated cannot switch to it.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINE=/usr/lib/wine/wine VCONFIG_PRESET=win32
else
  export WINE=/usr/lib/wine/wine64 VCONFIG_PRESET=win64
fi
if [ -x /usr/lib/wine/wineserver64 ]; then export WINESERVER=/usr/lib/wine/wineserver64
else export WINESERVER=/usr/lib/wine/wineserver; fi
export WINELOADER=$WINE
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
