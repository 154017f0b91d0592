#!/usr/bin/env bash
# Writes the calculation sheets through the program's "Файл" menu by the sheet
# scenarios and checks them with poppler-utils: A4 and the page count
# (pdfinfo), every font embedded (pdffonts), and every expected line on the
# pages (pdftotext -layout, blanks folded).
#   check_sheet_pdf.sh PATH-TO-ampera-scenario
set -euo pipefail

runner=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/ampera-sheet.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0
fail() { echo "FAIL $*" >&2; failures=$((failures + 1)); }

# Each scenario writes its sheet into a program directory of its own; the lines
# it must show, blanks folded, are beside this script. Scenario and page count:
for entry in sheet_worked_example:2 sheet_failing_verdict:2; do
    name=${entry%%:*} pages=${entry##*:}
    mkdir "$work/$name"
    "$runner" --dir "$work/$name" "$here/../scenarios/$name.scn" || fail "$name: the scenario failed"
    pdf=$(find "$work/$name" -maxdepth 1 -name '*.pdf' -type f)
    info=$(pdfinfo "$pdf")
    grep -Eq '^Page size: +595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts \(A4\)' <<<"$info" ||
        fail "$name: not A4: $(grep 'Page size' <<<"$info")"
    grep -Eq "^Pages: +$pages\$" <<<"$info" || fail "$name: $(grep Pages <<<"$info"), expected $pages"

    # pdffonts: two header lines, then one line per font; emb is the fifth field from the end.
    while read -r line; do
        [ "$(awk '{print $(NF-4)}' <<<"$line")" = yes ] || fail "$name: font not embedded: $line"
    done < <(pdffonts "$pdf" | tail -n +3)

    pdftotext -layout "$pdf" - | tr -s ' ' | sed 's/^ //' >"$work/$name.txt"
    while IFS= read -r expected; do
        grep -qxF -- "$expected" "$work/$name.txt" || fail "$name: no line: $expected"
    done <"$here/$name.expected"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "sheet PDFs: all checks passed"
