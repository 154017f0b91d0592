#!/usr/bin/env bash
# Writes the calculation sheets through the program's "Файл" menu by the sheet
# scenarios and checks them with poppler-utils: the page count and every
# page's A4 size, portrait or landscape (pdfinfo), every font embedded
# (pdffonts), no raster image (pdfimages: every drawing is vector graphics),
# every expected line on the pages (pdftotext -layout, blanks folded), the
# checked device's time-current chart with its axes and legend as text, and
# for a network every node's name and its Iк(3) in the diagram and in the table.
#   check_sheet_pdf.sh PATH-TO-ampera-scenario
set -euo pipefail

runner=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/ampera-sheet.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0
fail() { echo "FAIL $*" >&2; failures=$((failures + 1)); }

# The network's nodes, "name|Iк(3)" a line, the supply ТП first: every name is
# on the diagram's pages, every Iк(3) but ТП's (the busbar it feeds from) under
# its name there, and the table has the node's row with it.
check_nodes() {
    local name=$1 diagram=$2 table=$3 node ik3
    while IFS='|' read -r node ik3; do
        grep -qF -- "$node" "$diagram" || fail "$name: not on the diagram: $node"
        [ "$node" = ТП ] || grep -qF -- "Iк(3) = $ik3 кА" "$diagram" || fail "$name: not on the diagram: $node $ik3"
        awk -v first="${node%% *}" -v value="$ik3" '$1 == first && index(" " $0 " ", " " value " ") { found = 1 }
            END { exit !found }' "$table" || fail "$name: no row in the table: $node $ik3"
    done <"$here/$name.nodes"
}

# Each scenario writes its sheet into a program directory of its own; the lines
# it must show, blanks folded, are beside this script. Scenario and its pages,
# P portrait and L landscape:
for entry in sheet_worked_example:PPP sheet_failing_verdict:PPP sheet_network:PPLP; do
    name=${entry%%:*} pages=${entry##*:}
    mkdir "$work/$name"
    "$runner" --dir "$work/$name" "$here/../scenarios/$name.scn" || fail "$name: the scenario failed"
    pdf=$(find "$work/$name" -maxdepth 1 -name '*.pdf' -type f)
    info=$(pdfinfo "$pdf")
    grep -Eq "^Pages: +${#pages}\$" <<<"$info" || fail "$name: $(grep Pages <<<"$info"), expected ${#pages}"

    # pdfinfo -f N -l N: "Page N size: W x H pts (A4)", landscape with the sides swapped.
    : >"$work/$name.diagram.txt"
    : >"$work/$name.table.txt"
    for ((k = 1; k <= ${#pages}; ++k)); do
        size=$(pdfinfo -f "$k" -l "$k" "$pdf" | grep -E "^Page +$k size:" || true)
        if [ "${pages:k-1:1}" = P ]; then pattern='595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts \(A4\)'
        else pattern='84[12](\.[0-9]+)? x 595(\.[0-9]+)? pts \(A4'; fi
        grep -Eq "$pattern" <<<"$size" || fail "$name: page $k is not A4 ${pages:k-1:1}: $size"
        text=$(pdftotext -layout -f "$k" -l "$k" "$pdf" - | tr -s ' ' | sed 's/^ //')
        if [ "${pages:k-1:1}" = L ]; then echo "$text" >>"$work/$name.table.txt"
        elif grep -qF 'Сеть 0,4 кВ: расчетная схема' <<<"$text"; then echo "$text" >>"$work/$name.diagram.txt"; fi
    done

    # pdffonts: two header lines, then one line per font; emb is the fifth field from the end.
    while read -r line; do
        [ "$(awk '{print $(NF-4)}' <<<"$line")" = yes ] || fail "$name: font not embedded: $line"
    done < <(pdffonts "$pdf" | tail -n +3)

    # pdfimages -list: two header lines, then one line per image.
    [ "$(pdfimages -list "$pdf" | tail -n +3 | wc -l)" -eq 0 ] || fail "$name: a raster image on the sheet"

    pdftotext -layout "$pdf" - | tr -d '\f' | tr -s ' ' | sed 's/^ //' >"$work/$name.txt"
    while IFS= read -r expected; do
        grep -qxF -- "$expected" "$work/$name.txt" || fail "$name: no line: $expected"
    done <"$here/$name.expected"

    # The chart's texts from its heading to the next section or the footer, each
    # within a line there (an axis label and a legend entry may share one).
    if [ -f "$here/$name.chart" ]; then
        sed -n '/^Время-токовая характеристика$/,/^\(ampera \|Расчетные формулы\)/p' "$work/$name.txt" \
            >"$work/$name.chart.txt"
        while IFS= read -r expected; do
            grep -qF -- "$expected" "$work/$name.chart.txt" || fail "$name: not on the chart: $expected"
        done <"$here/$name.chart"
    fi
    [ ! -f "$here/$name.nodes" ] || check_nodes "$name" "$work/$name.diagram.txt" "$work/$name.table.txt"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "sheet PDFs: all checks passed"
