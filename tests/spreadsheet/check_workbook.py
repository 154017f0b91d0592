#!/usr/bin/python3
"""Reads the network workbook that the scenario network_spreadsheets exports with
openpyxl, a reader that is not the program's own, and checks it against the
scenario's table and the CSV file exported beside it: the sheet's name, the
header, every cell's text, numbers as numbers, the fills of a failing verdict,
a passing one and an input that fails its rule, the frozen header row and the
autofilter.

    check_workbook.py PATH-TO-ampera-scenario PATH-TO-network_spreadsheets.scn

Debian's python3 carries openpyxl (python3-openpyxl): run with /usr/bin/python3.
"""
import csv
import os
import re
import subprocess
import sys
import tempfile

import openpyxl

# The header: "Уровень", then the network table's captions in their order.
HEADER = ["Уровень", "Узел", "Кабель", "r1, мОм/м", "x1, мОм/м", "r0, мОм/м", "x0, мОм/м", "L, м", "n",
          "Rк, мОм", "Xк, мОм", "Аппарат", "Iн, А", "Iуст, А", "Icu, кА", "Изоляция", "S, мм²", "tоткл, с",
          "Цепь", "RΣ, мОм", "XΣ, мОм", "Iк(3), кА", "Iк(2), кА", "iуд, кА", "Iк(1), кА", "Iк(1) мин., кА", "Sмин, мм²",
          "чувствительность", "Icu", "Icm", "нагрев", "время"]
# The nodes in the scenario's display order.
ROWS = ["ТП", "РУ-1", "ЩР-1", "ЩО-1", "ЩР-2", 'Склад "Б"; ввод 2', "ЩО-2", "РУ-2", "ЩР-4", "ЩО-3", "ЩР-5"]

failures = []


def fail(text):
    failures.append(text)
    print("FAIL " + text, file=sys.stderr)


def shown(cell):
    """The cell's text as a Russian spreadsheet shows it: a number with the
    decimals of its format and a decimal comma."""
    if cell.value is None:
        return ""
    if cell.data_type != "n":
        return str(cell.value)
    match = re.fullmatch(r"0(?:\.(0+))?", cell.number_format)
    if not match:
        return "number format " + cell.number_format
    decimals = len(match.group(1) or "")
    return f"{cell.value:.{decimals}f}".replace(".", ",")


def colour(cell):
    """The solid fill's colour as (red, green, blue); None without one."""
    if cell.fill.fill_type != "solid":
        return None
    rgb = cell.fill.fgColor.rgb
    if not isinstance(rgb, str) or len(rgb) != 8:
        return None
    return tuple(int(rgb[k:k + 2], 16) for k in (2, 4, 6))


def is_red(rgb):
    return rgb is not None and rgb[0] > rgb[1] + 40 and rgb[0] > rgb[2] + 40


def is_green(rgb):
    return rgb is not None and rgb[1] > rgb[0] + 20 and rgb[1] > rgb[2] + 20


def check(book_path, csv_path):
    book = openpyxl.load_workbook(book_path)
    if book.sheetnames != ["Сеть"]:
        fail(f"sheets {book.sheetnames}, expected ['Сеть']")
    sheet = book.worksheets[0]
    with open(csv_path, encoding="utf-8-sig", newline="") as f:
        table = list(csv.reader(f, delimiter=";"))

    header = [c.value for c in sheet[1]]
    if header != HEADER:
        fail(f"header {header}")
    if table[0] != HEADER:
        fail(f"the CSV file's header {table[0]}")
    if not all(c.font.b for c in sheet[1]):
        fail("the header row is not bold")

    # Every cell's text equals the CSV file's, row by row.
    if sheet.max_row != len(table) or sheet.max_column != len(HEADER):
        fail(f"{sheet.max_row} rows and {sheet.max_column} columns, expected {len(table)} and {len(HEADER)}")
    for r, expected in enumerate(table[1:], start=2):
        got = [shown(c) for c in sheet[r]]
        if got != expected:
            fail(f"row {r}: {got}\n  expected {expected}")
    names = [sheet.cell(row=r, column=2).value for r in range(2, sheet.max_row + 1)]
    if names != ROWS:
        fail(f"nodes {names}")

    def cell(node, caption):
        return sheet.cell(row=ROWS.index(node) + 2, column=HEADER.index(caption) + 1)

    # Numbers are numbers: the level, a length, a current as the scenario's expect-cell shows it.
    for node, caption, value in [("РУ-1", "Уровень", 1), ("ЩО-1", "Уровень", 3), ("РУ-1", "L, м", 50),
                                 ("РУ-1", "Iк(3), кА", 6.9156), ("ЩО-1", "Iк(1) мин., кА", 0.9893),
                                 ("ЩО-1", "r0, мОм/м", 5.0)]:
        c = cell(node, caption)
        if c.data_type != "n" or not isinstance(c.value, (int, float)) or abs(c.value - value) > 1e-9:
            fail(f"{node} / {caption}: {c.value!r} ({c.data_type}), expected the number {value}")
    if shown(cell("ЩО-1", "r0, мОм/м")) != "5,00":
        fail("ЩО-1 / r0 does not show its two decimals")

    # Texts stay texts: the name with a quote and a semicolon, an input that fails its rule on red.
    c = cell('Склад "Б"; ввод 2', "Узел")
    if c.value != 'Склад "Б"; ввод 2' or c.data_type != "s":
        fail(f"the name {c.value!r}")
    c = cell('Склад "Б"; ввод 2', "L, м")
    if c.value != "20.5" or c.data_type != "s" or not is_red(colour(c)):
        fail(f"the failing input: {c.value!r} ({c.data_type}), fill {colour(c)}")

    # The verdicts: "НЕТ" on red, "да" on green, a plain cell without a fill.
    c = cell("РУ-1", "Icu")
    if c.value != "НЕТ" or not is_red(colour(c)):
        fail(f"РУ-1 / Icu: {c.value!r}, fill {colour(c)}")
    c = cell("РУ-1", "чувствительность")
    if c.value != "да" or not is_green(colour(c)):
        fail(f"РУ-1 / чувствительность: {c.value!r}, fill {colour(c)}")
    if colour(cell("РУ-1", "L, м")) is not None:
        fail("РУ-1 / L, м has a fill")

    # The header row frozen, the autofilter over the header and every row.
    if sheet.freeze_panes != "A2":
        fail(f"freeze_panes {sheet.freeze_panes}, expected A2")
    last = openpyxl.utils.get_column_letter(len(HEADER))
    if sheet.auto_filter.ref != f"A1:{last}{len(table)}":
        fail(f"autofilter {sheet.auto_filter.ref}, expected A1:{last}{len(table)}")


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    runner, scenario = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="ampera-workbook.") as work:
        if subprocess.run([runner, "--dir", work, scenario]).returncode != 0:
            fail("the scenario failed")
        else:
            check(os.path.join(work, "сеть.xlsx"), os.path.join(work, "сеть.csv"))
    if failures:
        print(f"{len(failures)} check(s) failed", file=sys.stderr)
        return 1
    print("network workbook: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
