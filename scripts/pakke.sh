#!/usr/bin/env bash
# Release check: builds the Debian package from the normal build folder (so a
# CI run that has just tested does not build twice), unpacks it into a
# temporary root without installing anything on the machine, and runs the
# unpacked programs on the unpacked files. Then lintian (no errors allowed;
# warnings are printed) and the checkers of the desktop entry, the file type
# and the manual pages.
#
#   scripts/pakke.sh            build/ or $KVISTOR_BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${KVISTOR_BUILD_DIR:-$root/build}"

fejl() {
  echo "pakke.sh: $*" >&2
  exit 1
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fejl "kan ikke læse projektets version i $build/CMakeCache.txt"
deb="$build/kvistor_${version}_amd64.deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >&2)
[ -f "$deb" ] || fejl "cpack lavede ikke $deb"
echo "== $deb"
dpkg-deb --field "$deb"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The unpacked programs must not see the settings of whoever builds.
export XDG_CONFIG_HOME="$tmp/indstillinger"
dpkg-deb -x "$deb" "$tmp/rod"
usr="$tmp/rod/usr"
cli="$usr/bin/kvistor-cli"
[ -x "$cli" ] || fejl "pakken mangler usr/bin/kvistor-cli"
[ -f "$usr/share/kvistor/Standard.aid" ] || fejl "pakken mangler usr/share/kvistor/Standard.aid"
for f in usr/share/doc/kvistor/copyright usr/share/doc/kvistor/changelog.gz \
         usr/share/man/man1/kvistor-cli.1.gz; do
  [ -f "$tmp/rod/$f" ] || fejl "pakken mangler $f"
done
# The desktop program brings its entry, icon, file type and manual page.
gui=0
if [ -e "$usr/bin/kvistor" ]; then
  gui=1
  for f in usr/share/applications/kvistor.desktop usr/share/icons/hicolor/scalable/apps/kvistor.svg \
           usr/share/mime/packages/kvistor.xml usr/share/man/man1/kvistor.1.gz; do
    [ -f "$tmp/rod/$f" ] || fejl "pakken mangler $f"
  done
fi

# The unpacked program must run from its own place, with nothing of the build
# folder: no run path into it, every library found on the system.
if ldd "$cli" | grep -q "not found"; then
  ldd "$cli" >&2
  fejl "kvistor-cli mangler biblioteker"
fi
if readelf -d "$cli" | grep -qE 'R(UN)?PATH'; then fejl "kvistor-cli har en kørselssti ind i byggemappen"; fi

svar=$("$cli" --version)
[ "$svar" = "kvistor-cli $version" ] || fejl "kvistor-cli --version svarer \"$svar\", ventede \"kvistor-cli $version\""

# Standard.aid as shipped, computed by the shipped program, with the date and
# company name of the golden report, must give that report byte for byte.
set +e
"$cli" rapport "$usr/share/kvistor/Standard.aid" -o "$tmp/rapport.txt" \
  --dato "2026-03-01,14:05:00" --firma "Rådgivende Ingeniører ApS" 2>"$tmp/fejl.txt"
kode=$?
set -e
if [ "$kode" -ne 0 ]; then
  cat "$tmp/fejl.txt" >&2
  fejl "kvistor-cli rapport Standard.aid sluttede med kode $kode, ventede 0"
fi
[ -s "$tmp/rapport.txt" ] || fejl "kvistor-cli skrev ingen rapport"
if ! cmp -s "$tmp/rapport.txt" "$root/tests/data/golden/Standard normal.txt"; then
  fejl "rapporten fra den udpakkede kvistor-cli er ikke den forventede (tests/data/golden/Standard normal.txt)"
fi
"$cli" tegning tvaer "$usr/share/kvistor/Standard.aid" -o "$tmp/tvaer.svg" \
  || fejl "kvistor-cli tegning sluttede med kode $?"
grep -q '<svg' "$tmp/tvaer.svg" || fejl "kvistor-cli tegning skrev ingen SVG"
"$cli" tegning tvaer "$usr/share/kvistor/Standard.aid" -o "$tmp/tvaer.dxf" \
  || fejl "kvistor-cli tegning (DXF) sluttede med kode $?"
grep -q 'AC1015' "$tmp/tvaer.dxf" || fejl "kvistor-cli tegning skrev ingen DXF"
# The workbook is written through libxlsxwriter and the calculation document
# through cairo, pango and libqpdf, which the package must depend on for the
# unpacked program to run on another machine.
for bibliotek in libxlsxwriter libcairo2 libpango-1.0 libpangocairo-1.0 libqpdf; do
  dpkg-deb --field "$deb" Depends | grep -q "$bibliotek" \
    || fejl "pakken afhænger ikke af $bibliotek"
done
"$cli" tabel "$usr/share/kvistor/Standard.aid" -o "$tmp/tabel.xlsx" \
  || fejl "kvistor-cli tabel sluttede med kode $?"
[ "$(head -c 2 "$tmp/tabel.xlsx")" = PK ] || fejl "kvistor-cli tabel skrev intet regneark"
"$cli" dokumentation "$usr/share/kvistor/Standard.aid" -o "$tmp/dokumentation.pdf" \
  --dato "2026-03-01,14:05:00" || fejl "kvistor-cli dokumentation sluttede med kode $?"
sider=$(pdfinfo "$tmp/dokumentation.pdf" | awk '/^Pages:/{print $2}')
[ "${sider:-0}" -gt 5 ] || fejl "kvistor-cli dokumentation skrev ingen læsbar PDF"
echo "== den udpakkede kvistor-cli: version, rapport, tegninger, tabel og dokumentation af Standard.aid er i orden"

# The desktop program answers --version without opening a window; the time
# limit keeps a program that opens one anyway from hanging the check.
if [ "$gui" = 1 ]; then
  svar=$(QT_QPA_PLATFORM=offscreen timeout 60 "$usr/bin/kvistor" --version) \
    || fejl "kvistor --version sluttede med kode $?"
  grep -qF "$version" <<<"$svar" || fejl "kvistor --version svarer \"$svar\", uden versionen $version"
  echo "== den udpakkede kvistor: $svar"
fi

# Manual pages: any warning from man is a fault.
for m in "$tmp"/rod/usr/share/man/man1/*.gz; do
  advarsler=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$m" 2>&1 >/dev/null || true)
  [ -z "$advarsler" ] || fejl "$(basename "$m"): $advarsler"
done

# The desktop entry and the file type, as packed or (without the desktop
# program) from the sources, so they are checked on every run.
if [ "$gui" = 1 ]; then
  desktop="$usr/share/applications/kvistor.desktop"
  mime="$usr/share/mime/packages/kvistor.xml"
else
  desktop="$root/packaging/kvistor.desktop"
  mime="$root/packaging/kvistor-mime.xml"
fi
desktop-file-validate "$desktop" || fejl "desktop-file-validate afviser $(basename "$desktop")"
mkdir -p "$tmp/mime/packages"
cp "$mime" "$tmp/mime/packages/kvistor.xml"
mimefejl=$(XDG_DATA_HOME="$tmp" XDG_DATA_DIRS="$tmp" update-mime-database "$tmp/mime" 2>&1 \
           || echo "update-mime-database fejlede")
[ -z "$mimefejl" ] || fejl "filtypen: $mimefejl"
grep -q '^50:application/x-kvistor-projekt:\*\.aid$' "$tmp/mime/globs2" \
  || fejl "filtypen kender ikke *.aid"
echo "== desktopfil, filtype og manualsider er i orden"

# lintian: errors fail the check, warnings and notes are printed.
echo "== lintian"
lintian --fail-on error --display-level '>=info' "$deb" \
  || fejl "lintian fandt fejl i pakken"
echo "== pakken er i orden: $deb"
