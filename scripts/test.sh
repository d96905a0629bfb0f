#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on a
# failure. KVISTOR_SANITIZE=1 builds into build-san/ with ASan and UBSan,
# without the benchmarks and the user guide, which cost time there and are
# built and checked by the normal build.
# Arguments go to CMake, e.g. -DKVISTOR_WERROR=ON.
#
#   scripts/test.sh [-DOPTION=VALUE ...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
# The folders' include graph must follow the layers (no back edge).
"$root/scripts/lagtjek.sh"
extra=()
if [ "${KVISTOR_SANITIZE:-0}" = "1" ]; then
  export KVISTOR_BUILD_DIR="${KVISTOR_BUILD_DIR:-$root/build-san}"
  export KVISTOR_BUILD_TYPE=Debug
  extra+=(-DKVISTOR_SANITIZE=ON -DKVISTOR_BENCH=OFF -DKVISTOR_VEJLEDNING=OFF)
fi
"$root/scripts/build.sh" "${extra[@]}" "$@"
build="${KVISTOR_BUILD_DIR:-$root/build}"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
