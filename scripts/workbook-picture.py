#!/usr/bin/python3
"""Draws the network workbook as a spreadsheet program shows it, for the README:
runs the scenario network_spreadsheets, which exports the workbook, reads the
workbook with openpyxl and draws its cells with Pillow (the column letters and
row numbers, the column widths, the bold header with its filter buttons, the
frozen header row, numbers in their formats with a decimal comma, the fills,
the sheet's tab).

    workbook-picture.py PATH-TO-ampera-scenario OUTPUT.png

Debian's python3 carries openpyxl and Pillow (python3-openpyxl, python3-pil):
run with /usr/bin/python3, on Qt's offscreen platform for the scenario.
"""
import os
import re
import subprocess
import sys
import tempfile

import openpyxl
from openpyxl.utils import get_column_letter
from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
SCENARIO = os.path.join(HERE, "..", "tests", "scenarios", "network_spreadsheets.scn")
FONTS = "/usr/share/fonts/truetype/dejavu/"
FONT = ImageFont.truetype(FONTS + "DejaVuSans.ttf", 12)
BOLD = ImageFont.truetype(FONTS + "DejaVuSans-Bold.ttf", 12)

CHAR_PX = 7  # a spreadsheet's column width is counted in characters of about 7 pixels
ROW_PX, LINE_PX, NUMBERS_PX, LETTERS_PX, TAB_PX = 20, 15, 34, 20, 26
GRID, CHROME, CHROME_LINE, INK = (218, 220, 224), (242, 243, 245), (190, 193, 198), (20, 20, 20)


def shown(cell):
    """The text a Russian spreadsheet program shows: numbers with their format's decimals and a decimal comma."""
    if cell.value is None:
        return ""
    if cell.data_type != "n":
        return str(cell.value)
    match = re.fullmatch(r"0(?:\.(0+))?", cell.number_format)
    decimals = len(match.group(1) or "") if match else 4
    return f"{cell.value:.{decimals}f}".replace(".", ",")


def fill(cell):
    if cell.fill.fill_type != "solid" or not isinstance(cell.fill.fgColor.rgb, str):
        return None
    rgb = cell.fill.fgColor.rgb
    return tuple(int(rgb[k:k + 2], 16) for k in (2, 4, 6))


def wrapped(text, font, width):
    """The caption broken into lines at blanks, as a wrapped header cell shows it."""
    lines, line = [], ""
    for word in text.split(" "):
        trial = (line + " " + word).strip()
        if line and font.getlength(trial) > width:
            lines.append(line)
            line = word
        else:
            line = trial
    return lines + [line]


def draw(book_path, out_path):
    sheet = openpyxl.load_workbook(book_path).worksheets[0]
    columns = range(1, sheet.max_column + 1)
    widths = {c: int((sheet.column_dimensions[get_column_letter(c)].width or 8.43) * CHAR_PX + 5) for c in columns}
    lefts, x = {}, NUMBERS_PX
    for c in columns:
        lefts[c], x = x, x + widths[c]
    header_lines = max(len(wrapped(str(sheet.cell(1, c).value), BOLD, widths[c] - 20)) for c in columns)
    heights = {1: max(ROW_PX, header_lines * LINE_PX + 6)}
    heights.update({r: ROW_PX for r in range(2, sheet.max_row + 1)})
    tops, y = {}, LETTERS_PX
    for r in range(1, sheet.max_row + 1):
        tops[r], y = y, y + heights[r]
    image = Image.new("RGB", (x + 1, y + TAB_PX + 1), "white")
    pen = ImageDraw.Draw(image)

    # The column letters and the row numbers.
    pen.rectangle([0, 0, x, LETTERS_PX], fill=CHROME, outline=CHROME_LINE)
    pen.rectangle([0, 0, NUMBERS_PX, y], fill=CHROME, outline=CHROME_LINE)
    for c in columns:
        pen.line([lefts[c], 0, lefts[c], LETTERS_PX], fill=CHROME_LINE)
        pen.text((lefts[c] + widths[c] / 2, LETTERS_PX / 2), get_column_letter(c), font=FONT, fill=INK, anchor="mm")
    for r in tops:
        pen.line([0, tops[r], NUMBERS_PX, tops[r]], fill=CHROME_LINE)
        pen.text((NUMBERS_PX / 2, tops[r] + heights[r] / 2), str(r), font=FONT, fill=INK, anchor="mm")

    # The cells: fills and grid first, then the texts, which a text cell may run on into empty cells to its right.
    for r in tops:
        for c in columns:
            box = [lefts[c], tops[r], lefts[c] + widths[c], tops[r] + heights[r]]
            pen.rectangle(box, fill=fill(sheet.cell(r, c)) or "white", outline=GRID)
    for r in tops:
        for c in columns:
            cell = sheet.cell(r, c)
            text = shown(cell)
            if not text:
                continue
            top, left = tops[r], lefts[c]
            if r == 1:
                for k, line in enumerate(wrapped(text, BOLD, widths[c] - 20)):
                    pen.text((left + 3, top + 3 + k * LINE_PX), line, font=BOLD, fill=INK)
                continue
            right = left + widths[c]
            if cell.data_type == "n":
                clip = Image.new("RGBA", (widths[c] - 4, heights[r]), (0, 0, 0, 0))
                ImageDraw.Draw(clip).text((widths[c] - 4, heights[r] / 2), text, font=FONT, fill=INK, anchor="rm")
                image.paste(clip, (left + 1, top), clip)
                continue
            end = c
            while font_run_on(sheet, r, end, columns) and FONT.getlength(text) > right - left - 6:
                end += 1
                right += widths[end]
            clip = Image.new("RGBA", (right - left - 3, heights[r]), (0, 0, 0, 0))
            ImageDraw.Draw(clip).text((0, heights[r] / 2), text, font=FONT, fill=INK, anchor="lm")
            image.paste(clip, (left + 3, top), clip)

    # The header's filter buttons and the line under the frozen header row.
    for c in columns:
        right, top = lefts[c] + widths[c], tops[1] + heights[1]
        button = [right - 16, top - 16, right - 3, top - 3]
        pen.rectangle(button, fill=CHROME, outline=CHROME_LINE)
        pen.polygon([(right - 13, top - 11), (right - 6, top - 11), (right - 9.5, top - 7)], fill=INK)
    frozen = tops[1] + heights[1]
    pen.line([0, frozen, x, frozen], fill=(120, 124, 130), width=2)

    # The sheet's tab below the rows.
    pen.rectangle([0, y, x, y + TAB_PX], fill=CHROME, outline=CHROME_LINE)
    name = sheet.title
    tab = [NUMBERS_PX + 8, y, NUMBERS_PX + 24 + FONT.getlength(name), y + TAB_PX - 4]
    pen.rectangle(tab, fill="white", outline=CHROME_LINE)
    pen.text(((tab[0] + tab[2]) / 2, y + (TAB_PX - 4) / 2), name, font=BOLD, fill=INK, anchor="mm")
    image.save(out_path)


def font_run_on(sheet, row, column, columns):
    """Whether a text may run on past column: the next cell exists and is empty."""
    return column + 1 in columns and sheet.cell(row, column + 1).value is None


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    runner, out = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="ampera-picture.") as work:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        if subprocess.run([runner, "--dir", work, SCENARIO], env=env).returncode != 0:
            print("the scenario failed", file=sys.stderr)
            return 1
        draw(os.path.join(work, "сеть.xlsx"), out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
