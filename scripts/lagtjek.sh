#!/usr/bin/env bash
# Checks the include graph of the source folders against their layers: a file
# may include from its own folder and from folders on lower layers, never from
# a higher one, nor from another folder on its own layer. Only the window
# (app/) and the guide's generator (guide/) include Qt headers. Prints every
# include that breaks the order and exits 1 if there is one.
#
#   scripts/lagtjek.sh [ROOT]
set -euo pipefail

# The layer order, lowest first; folders on one line share a layer. tests/
# and bench/ sit above everything and are not checked.
lag_tabel='
0 common
1 project
2 purlin
3 loads
4 calculation
5 report graphics
6 design
7 documents
8 cli app
9 guide
'

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"

declare -A lag
top=0
while read -r niveau mapper; do
  [ -n "$niveau" ] || continue
  for m in $mapper; do lag[$m]=$niveau; done
  [ "$niveau" -le "$top" ] || top=$niveau
done <<<"$lag_tabel"

brud=$(for mappe in "${!lag[@]}"; do
  [ -d "$root/$mappe" ] || continue
  egen=${lag[$mappe]}
  # Every '#include "folder/file"' with its file and line: "file:line:text".
  while IFS= read -r fund; do
    fil=${fund%%:*}
    rest=${fund#*:}
    linje=${rest%%:*}
    maal=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"${rest#*:}")
    [[ "$maal" == */* ]] || continue
    maalmappe=${maal%%/*}
    [ -n "${lag[$maalmappe]+x}" ] || continue
    [ "$maalmappe" != "$mappe" ] || continue
    andet=${lag[$maalmappe]}
    if [ "$andet" -gt "$egen" ]; then
      echo "${fil#"$root"/}:$linje: $mappe/ (lag $egen) inkluderer $maal (lag $andet, højere)"
    elif [ "$andet" -eq "$egen" ]; then
      echo "${fil#"$root"/}:$linje: $mappe/ inkluderer $maal fra en anden mappe på samme lag $egen"
    fi
  done < <(grep -rnE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.in' \
             '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$root/$mappe" || true)
  if [ "$mappe" != app ] && [ "$mappe" != guide ]; then
    grep -rnE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.in' \
      '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q[A-Za-z]*(/|>)' "$root/$mappe" |
      sed -E "s|^$root/||; s|^([^:]*:[0-9]*):.*<([^>]*)>.*|\1: $mappe/ (lag $egen) inkluderer Qt-headeren <\2>|" || true
  fi
done | sort -t: -k1,1 -k2,2n)

if [ -n "$brud" ]; then
  echo "$brud"
  echo "Lagtjek: $(wc -l <<<"$brud") include(s) bryder lagenes orden." >&2
  exit 1
fi
echo "Lagtjek: ingen include bryder lagenes orden."
