#!/usr/bin/env bash
# Writes the calculation sheets with ampera-sheet-write, and through the
# program's "Файл" menu by the sheet scenarios, and checks them with
# poppler-utils: A4 and the page count (pdfinfo), every font embedded
# (pdffonts), and every expected text on the pages (pdftotext -layout); a
# table continued on a page repeats its header there.
#   check_sheet_pdf.sh PATH-TO-ampera-sheet-write PATH-TO-ampera-scenario
set -euo pipefail

writer=$1
runner=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/ampera-sheet.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$writer" "$work"

failures=0
fail() { echo "FAIL $*" >&2; failures=$((failures + 1)); }

# Each scenario writes its sheet into a program directory of its own; the texts it must show, blanks folded,
# are beside this script.
for name in sheet_worked_example sheet_failing_verdict; do
    mkdir "$work/$name"
    "$runner" --dir "$work/$name" "$here/../scenarios/$name.scn" || fail "$name: the scenario failed"
    pdf=$(find "$work/$name" -maxdepth 1 -name '*.pdf' -type f)
    pdftotext -layout "$pdf" - | tr -s ' ' | sed 's/^ //' >"$work/$name.txt"
    while IFS= read -r expected; do
        grep -qxF -- "$expected" "$work/$name.txt" || fail "$name: no line: $expected"
    done <"$here/$name.expected"
    mv "$pdf" "$work/$name.pdf"
done

# case and its page count
for entry in worked:2 failing:3 empty:1 sheet_worked_example:2 sheet_failing_verdict:2; do
    name=${entry%%:*} pages=${entry##*:}
    pdf=$work/$name.pdf
    info=$(pdfinfo "$pdf")
    grep -Eq '^Page size: +595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts \(A4\)' <<<"$info" ||
        fail "$name: not A4: $(grep 'Page size' <<<"$info")"
    grep -Eq "^Pages: +$pages\$" <<<"$info" || fail "$name: $(grep Pages <<<"$info"), expected $pages"

    # pdffonts: two header lines, then one line per font; emb is the fifth field from the end.
    fonts=$(pdffonts "$pdf" | tail -n +3)
    [ -n "$fonts" ] || fail "$name: no fonts"
    while read -r line; do
        emb=$(awk '{print $(NF-4)}' <<<"$line")
        [ "$emb" = yes ] || fail "$name: font not embedded: $line"
    done <<<"$fonts"

    if [ -f "$work/$name.expected" ]; then
        pdftotext -layout "$pdf" "$work/$name.txt"
        while IFS= read -r expected; do
            grep -qF -- "$expected" "$work/$name.txt" || fail "$name: text missing: $expected"
        done <"$work/$name.expected"
    fi

    # Each page after the first that continues a table shows its header again.
    for ((page = 2; page <= pages; page++)); do
        text=$(pdftotext -layout -f "$page" -l "$page" "$pdf" -)
        grep -qF '(продолжение)' <<<"$text" || continue
        grep -A1 -F '(продолжение)' <<<"$text" | tail -n 1 | grep -Eq '^ *(величина|точка) ' ||
            fail "$name: page $page continues a table without its header"
    done
done

# The failing sheet's input data go on over the page: their header stands above the rest.
grep -qF 'Исходные данные (продолжение)' <<<"$(pdftotext -layout -f 2 -l 2 "$work/failing.pdf" -)" ||
    fail "failing: the input data do not continue on page 2"

# The failing verdicts read "НЕ"; the sheet that holds them shows both.
grep -qF 'чувствительность защиты НЕ обеспечена' "$work/failing.txt" || fail "failing: no failed sensitivity"
grep -qF 'отключающая способность НЕДОСТАТОЧНА' "$work/failing.txt" || fail "failing: no failed breaking capacity"
grep -qF 'НЕ' "$work/worked.txt" && grep -F 'НЕ' "$work/worked.txt" >&2 && fail "worked: a verdict fails"
grep -qF 'без имени' "$work/empty.txt" || fail "empty: no 'без имени'"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "sheet PDFs: all checks passed"
