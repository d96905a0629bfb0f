#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on Standard.aid.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${KVISTOR_BUILD_DIR:-$root/build}"
if [ -x "$build/kvistor-cli" ]; then
  if [ $# -eq 0 ]; then set -- rapport "$root/Standard.aid"; fi
  exec "$build/kvistor-cli" "$@"
else
  echo "Kvistor er bygget; kommandolinjeprogrammet kommer i en senere udgave."
fi
