"""Prints a workbook as JSON, as openpyxl reads it: every sheet with its cells (value, font,
fill, border), custom column widths, merged ranges and charts (kind and series ranges)."""
import json
import sys

import openpyxl


def rgb(colour):
    return colour.rgb if colour is not None and colour.type == "rgb" else None


def ref(data):
    if data is None:
        return None
    source = data.numRef or getattr(data, "strRef", None)
    return source.f if source is not None else None


def chart(c):
    series = []
    for s in c.series:
        name = s.tx.v if s.tx is not None and s.tx.v is not None else None
        series.append({"name": name, "x": ref(s.xVal), "y": ref(s.yVal)})
    return {"kind": type(c).__name__, "series": series}


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
            "charts": [chart(c) for c in sheet._charts],
        })
    print(json.dumps(sheets, default=str))


main(sys.argv[1])
