#!/usr/bin/env bash
# Checks the user guide as built: the PDF exists, every font is embedded,
# its text holds every heading of the source, Bilag B holds all 13 load
# combinations, the figures were drawn (their own texts are in the PDF), no
# placeholder or figure reference was left unresolved, and (tjek_pdf.py) the
# metadata, the language, the outline and the links are there, and
# (tjek_meddelelser.py) every message of the program stands in the guide, and
# the filled Markdown equals its reviewed copy beside this script.
#   tjek_vejledning.sh Kvistor10_Brugervejledning.pdf brugervejledning.md UDFYLDT.md KILDEMAPPE
set -uo pipefail
pdf="$1"
kilde="$2"
udfyldt="$3"
kildemappe="$4"
fejl=0
fejl() { echo "FEJL: $*"; fejl=1; }

[ -s "$pdf" ] || { echo "FEJL: $pdf findes ikke"; exit 1; }

# pdffonts: name type encoding emb sub uni object ID; the type may hold blanks,
# so the columns are counted from the right.
skrifter=$(pdffonts "$pdf" | tail -n +3)
[ -n "$skrifter" ] || fejl "ingen skrifttyper i PDF'en"
while read -r linje; do
  [ -z "$linje" ] && continue
  emb=$(awk '{print $(NF-4)}' <<<"$linje")
  [ "$emb" = "yes" ] || fejl "skrifttype ikke indlejret: $linje"
  # Every glyph comes from the Liberation fonts the build installs; another
  # font here is a fallback the next machine may not have.
  grep -q '^[A-Z]*+*Liberation' <<<"$linje" || fejl "skrifttype uden for Liberation-familien: $linje"
done <<<"$skrifter"

tekst=$(pdftotext -enc UTF-8 "$pdf" - | tr -s '[:space:]' ' ')
indeholder() { grep -qF -- "$1" <<<"$tekst"; }

# Every heading of the source, without the generator's numbers. A heading
# must be found twice: in the table of contents and in the text.
while IFS= read -r overskrift; do
  antal=$(grep -oF -- "$overskrift" <<<"$tekst" | wc -l)
  niveau=$(grep -E '^#{1,3} ' "$kilde" | grep -m1 -F -- "$overskrift" | grep -o '^#*' | wc -c)
  if [ "$niveau" -le 3 ]; then mindst=2; else mindst=1; fi  # "#"/"##" (wc counts the newline)
  [ "$antal" -ge "$mindst" ] || fejl "overskriften \"$overskrift\" står ${antal} gang(e) i PDF'en"
done < <(grep -E '^#{1,3} ' "$kilde" | sed -E 's/^#+ +//; s/ *\{#[A-Za-z0-9_-]+\}$//')

# Bilag B, from its heading in the text (the last occurrence, after the
# table of contents), with every load combination 1 to 13.
bilag=$(awk 'BEGIN{RS="Bilag B: "} {s=$0} END{print s}' <<<"$tekst")
[ -n "$bilag" ] || fejl "Bilag B mangler"
for n in $(seq 1 13); do
  grep -qE "Lastkombination $n[:.]" <<<"$bilag" || fejl "Bilag B mangler lastkombination $n"
done

# The program's own figures leave their texts in the PDF.
for t in "Manden er 1,8 m høj." "Positive reaktioner" "Total længde" "Tværsnitsmål" "Nedenstående eksempel har 6" \
         "Kvistor * Dimensionering af tagåse"; do
  indeholder "$t" || fejl "figurteksten \"$t\" mangler"
done

# No heading stands last on a page: the last line of every page above its
# footer is not a numbered heading of the source.
overskrifter=$(grep -E '^#{1,3} ' "$kilde" | sed -E 's/^#+ +//; s/ *\{#[A-Za-z0-9_-]+\}$//')
sider=$(pdfinfo "$pdf" | awk '/^Pages:/{print $2}')
for s in $(seq 2 "$sider"); do
  sidst=$(pdftotext -f "$s" -l "$s" -enc UTF-8 "$pdf" - | grep -v '^Kvistor 1.0 · Brugervejledning$' \
          | grep -v '^Side [0-9]* af [0-9]*$' | grep -v '^[[:space:]]*$' | tail -n 1 | sed -E 's/\f//g')
  uden_nummer=$(sed -E 's/^([0-9]+(\.[0-9]+)*|[A-C](\.[0-9]+)+) +//' <<<"$sidst")
  if [ "$uden_nummer" != "$sidst" ] && grep -qxF -- "$uden_nummer" <<<"$overskrifter"; then
    fejl "side $s slutter med overskriften \"$sidst\""
  fi
done

for rest in "{{" "}}" "figur:" "!["; do
  indeholder "$rest" && fejl "uopløst pladsholder eller figur: \"$rest\""
done

# Metadata, language, outline and links, as a reader's software sees them.
/usr/bin/python3 "$(dirname "$0")/tjek_pdf.py" "$pdf" "$kilde" || fejl=1
# Every message of the program is explained in the guide.
/usr/bin/python3 "$(dirname "$0")/tjek_meddelelser.py" "$kildemappe" "$udfyldt" || fejl=1

# The filled Markdown against its reviewed copy: a change in a table, an
# excerpt or a message of the program shows as a diff to read before it is
# accepted with KVISTOR_GOLDEN_OPDATER=1.
golden="$(dirname "$0")/brugervejledning_udfyldt.md"
if [ "${KVISTOR_GOLDEN_OPDATER:-}" = 1 ]; then
  cp "$udfyldt" "$golden"
elif ! diff -u "$golden" "$udfyldt" >&2; then
  fejl "den udfyldte vejledning afviger fra $golden (se forskellen ovenfor)"
fi

[ "$fejl" -eq 0 ] && echo "Brugervejledningen er i orden: $(pdfinfo "$pdf" | awk '/^Pages:/{print $2}') sider"
exit "$fejl"
