#!/usr/bin/env bash
# Runs a command inside a test world of its own: an Xvfb display (unless VCONFIG_DISPLAY is
# set), a Wine prefix in the build folder, a Russian locale, a PulseAudio null sink, and
# wineserver started beforehand with its output detached. Everything is stopped afterwards.
# usage: harness.sh BUILD_DIR COMMAND...
set -euo pipefail
build=$(realpath "$1"); shift
here=$(dirname "$(realpath "$0")")
source "$here/wine-env.sh"
# ANSI code page 1251 comes from the Unix locale.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf8'; then
  echo "harness: the locale ru_RU.UTF-8 is missing (scripts/deps.sh makes it)" >&2
  exit 1
fi
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
export WINEPREFIX=$build/wineprefix
export XDG_RUNTIME_DIR=$build/run
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native

xvfb_pid=""
cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  pulseaudio -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ -n "${VCONFIG_DISPLAY:-}" ]; then
  export DISPLAY=$VCONFIG_DISPLAY
else
  # Xvfb takes the first free display itself and says which, so that two test worlds started
  # together never share one. Room for the window at 200 % (about 720 x 760 pixels).
  displayfile=$XDG_RUNTIME_DIR/display
  rm -f "$displayfile"
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$displayfile" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  # Xvfb says its display once it takes connections; a busy machine may take its time.
  for _ in $(seq 600); do [ -s "$displayfile" ] && break; sleep 0.1; done
  if [ ! -s "$displayfile" ]; then
    echo "harness: Xvfb named no display within 60 s" >&2
    exit 1
  fi
  export DISPLAY=:$(head -n1 "$displayfile")
  if ! xdpyinfo >/dev/null 2>&1; then
    echo "harness: the display $DISPLAY does not answer" >&2
    exit 1
  fi
fi

pulseaudio --daemonize=yes --exit-idle-time=-1 -n --disallow-exit \
  --load="module-null-sink sink_name=Speakers" --load=module-native-protocol-unix \
  </dev/null >/dev/null 2>&1 || echo "harness: no PulseAudio; the mixer list will be empty" >&2

# Started outside CTest with detached output, or CTest waits on their pipes for ever.
mkdir -p "$WINEPREFIX"
"$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
"$WINE" wineboot </dev/null >/dev/null 2>&1 || true
# The window's font is Tahoma. Without it Wine draws DejaVu Sans, which is wider, and texts
# that fit on Windows are cut; Wine's own Tahoma (fonts-wine) measures close to Windows'.
fonts=$WINEPREFIX/drive_c/windows/Fonts
for f in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
  if [ -f "$f" ] && [ ! -f "$fonts/${f##*/}" ]; then mkdir -p "$fonts"; cp "$f" "$fonts/"; fi
done

"$@"
