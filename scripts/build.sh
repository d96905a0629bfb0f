#!/usr/bin/env bash
# Configures and builds into build/ (or $KVISTOR_BUILD_DIR). Extra arguments
# go to CMake, e.g. -DKVISTOR_SANITIZE=ON.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVISTOR_BUILD_DIR:-$root/build}"
gui=OFF
if [ -d "$root/app" ] && ls "$root"/app/*.cpp >/dev/null 2>&1; then gui=ON; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${KVISTOR_BUILD_TYPE:-Release}" \
  -DKVISTOR_GUI="$gui" "$@" >&2
cmake --build "$build" >&2
