#!/usr/bin/env bash
# Screenshots of every page of the window at the default, the smallest and
# the largest size, every menu and dialog, and again at scale 1.5, on a virtual
# display (Xvfb), into build/skaermbilleder/ (or the folder given). Builds
# first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVISTOR_BUILD_DIR:-$root/build}"
ud="${1:-$build/skaermbilleder}"
cmake --build "$build" --target kvistor-skaermbilleder kvistor >&2
nr=97
while [ -e "/tmp/.X${nr}-lock" ]; do nr=$((nr + 1)); done
Xvfb ":$nr" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$nr" ] && break; sleep 0.1; done
# The pictures show the program's own defaults, never the settings (firm
# name, window place) of whoever takes them.
rm -rf "$build/ingen-indstillinger"
DISPLAY=":$nr" XDG_CONFIG_HOME="$build/ingen-indstillinger" "$build/kvistor-skaermbilleder" "$ud"
# The same at one and a half times the size, as on a high-resolution screen.
rm -rf "$build/ingen-indstillinger"
DISPLAY=":$nr" XDG_CONFIG_HOME="$build/ingen-indstillinger" QT_SCALE_FACTOR=1.5 \
  "$build/kvistor-skaermbilleder" "$ud/skala150"
ls "$ud"/*.png "$ud"/skala150/*.png
