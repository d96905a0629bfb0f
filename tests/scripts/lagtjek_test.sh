#!/usr/bin/env bash
# The layer check must catch what it is there for. A copy of a few real
# folders passes; each break planted in it (an include from a lower folder
# into a higher one, one between two folders of one layer, a Qt header below
# the window) fails the check, which names the file and line.
#   lagtjek_test.sh KILDEMAPPE
set -uo pipefail
kilde="$1"
lagtjek="$kilde/scripts/lagtjek.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fejl=0
fejl() { echo "FEJL: $*"; fejl=1; }

for m in common project report graphics; do cp -r "$kilde/$m" "$tmp/"; done
"$lagtjek" "$tmp" >/dev/null 2>&1 || fejl "lagtjek afviser en uændret kopi"

while IFS='|' read -r fil include besked; do
  cp "$tmp/$fil" "$tmp/plantet.orig"
  printf '%s\n' "$include" >>"$tmp/$fil"
  linje=$(wc -l <"$tmp/$fil")
  ud=$("$lagtjek" "$tmp" 2>&1)
  kode=$?
  [ "$kode" -eq 1 ] || fejl "$include i $fil: slutkode $kode, ikke 1"
  grep -qF "$fil:$linje: $besked" <<<"$ud" || fejl "$include i $fil blev ikke meldt: $ud"
  mv "$tmp/plantet.orig" "$tmp/$fil"
done <<'PLANTER'
common/filer.h|#include "project/inddata.h"|common/ (lag 0) inkluderer project/inddata.h (lag 1, højere)
project/inddata.h|  #  include "report/gem.h"|project/ (lag 1) inkluderer report/gem.h (lag 5, højere)
report/gem.cpp|#include "graphics/laerred.h"|report/ inkluderer graphics/laerred.h fra en anden mappe på samme lag 5
common/format.cpp|#include <QString>|common/ (lag 0) inkluderer Qt-headeren <QString>
PLANTER

"$lagtjek" "$tmp" >/dev/null 2>&1 || fejl "lagtjek afviser kopien, efter at det plantede er fjernet"
exit $fejl
