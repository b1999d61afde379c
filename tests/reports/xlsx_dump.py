"""Prints a workbook as JSON, as openpyxl reads it: every sheet with its cells (value, font,
fill, border), custom column widths and merged ranges."""
import json
import sys

import openpyxl


def rgb(colour):
    return colour.rgb if colour is not None and colour.type == "rgb" else None


def main(path):
    # Read from an open file: openpyxl judges a file name by its extension.
    with open(path, "rb") as f:
        book = openpyxl.load_workbook(f)
    sheets = []
    for sheet in book.worksheets:
        cells = {}
        for row in sheet.iter_rows():
            for c in row:
                if c.value is None and not c.has_style:
                    continue
                cells[c.coordinate] = {
                    "value": c.value,
                    "bold": bool(c.font.b),
                    "colour": rgb(c.font.color),
                    "fill": rgb(c.fill.fgColor) if c.fill.fill_type else None,
                    "border": c.border.left.style,
                }
        widths = {k: d.width for k, d in sheet.column_dimensions.items() if d.customWidth}
        sheets.append({
            "title": sheet.title,
            "cells": cells,
            "widths": widths,
            "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
            "maxRow": sheet.max_row,
        })
    print(json.dumps(sheets, default=str))


main(sys.argv[1])
