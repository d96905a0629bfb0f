#!/usr/bin/env bash
# kvistor without any display: one Danish line, exit code 1, no abort.
ud=$(env -i HOME=/nonexistent "$1" 2>&1); kode=$?
[ "$kode" = 1 ] || { echo "exit code $kode: $ud"; exit 1; }
[ "$(printf '%s\n' "$ud" | wc -l)" = 1 ] || { echo "more than one line: $ud"; exit 1; }
case "$ud" in "kvistor: kan ikke starte vinduet: der er ingen skærm"*) ;; *) echo "$ud"; exit 1 ;; esac
