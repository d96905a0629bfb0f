#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages.
# Idempotent: packages already present are skipped.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n libgl-dev
  fonts-liberation xvfb xauth poppler-utils ccache
  # PDF documents and the guide (cairo, pango; the document language through
  # libqpdf), the spreadsheet export, and the independent readers the tests
  # check the exports with (Debian's /usr/bin/python3)
  libcairo2-dev libpango1.0-dev libqpdf-dev qpdf libxlsxwriter-dev
  python3 python3-openpyxl python3-ezdxf
  # scripts/pakke.sh: the package's library dependencies (dpkg-shlibdeps),
  # its checkers and the manual-page reader
  dpkg-dev lintian desktop-file-utils shared-mime-info man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installerer: ${missing[*]}"
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
