#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: the window when a
# display is available, otherwise the report of Standard.aid (or of the
# arguments) through the command line.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${KVISTOR_BUILD_DIR:-$root/build}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$build/kvistor" ]; then
  exec "$build/kvistor" "$@"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Kvistor: vinduet er ikke bygget; rapporten vises i stedet." >&2
else
  echo "Kvistor: ingen skærm (DISPLAY/WAYLAND_DISPLAY), rapporten for Standard.aid vises i stedet." >&2
fi
if [ $# -eq 0 ]; then set -- rapport "$root/Standard.aid"; fi
case "$1" in *.aid|*.AID) set -- rapport "$@" ;; esac
exec "$build/kvistor-cli" "$@"
