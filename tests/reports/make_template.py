"""Writes a report template the way another spreadsheet program would: shared strings, its
own styles, widths and merges, a second sheet, and the first tab stored in a part that is
not sheet1.xml. Row 1's cells carry no cell references."""
import re
import sys
import zipfile

import openpyxl
from openpyxl.styles import Border, Font, PatternFill, Side


def build(path):
    book = openpyxl.Workbook()
    data = book.active
    data.title = "Data"
    data["A1"] = "Report"
    data["B1"] = "internal"
    data["A2"] = "placeholder title"
    data.merge_cells("A2:J2")
    data["G3"] = "old range"
    for col in "ABCDEFGHIJ":
        cell = data[col + "4"]
        cell.value = "old header"
        cell.font = Font(bold=True)
        cell.fill = PatternFill("solid", fgColor="FFFFCC00")
        data[col + "5"].border = Border(left=Side(style="thin"))
    data.column_dimensions["A"].width = 22
    notes = book.create_sheet("Notes")
    notes["A1"] = "keep me"
    book.save(path)


def swap_sheet_parts(path):
    with zipfile.ZipFile(path) as z:
        parts = {n: z.read(n) for n in z.namelist()}
    first = "xl/worksheets/sheet1.xml"
    second = "xl/worksheets/sheet2.xml"
    parts[first], parts[second] = parts[second], parts[first]
    rels = "xl/_rels/workbook.xml.rels"
    text = parts[rels].decode()
    text = text.replace("sheet1.xml", "@").replace("sheet2.xml", "sheet1.xml").replace("@", "sheet2.xml")
    parts[rels] = text.encode()
    # Row 1 of the first tab with positions left implicit, as the format allows.
    sheet = parts[second].decode()
    row1 = re.search(r'<row r="1"[^>]*>.*?</row>', sheet).group(0)
    sheet = sheet.replace(row1, re.sub(r'<c r="[A-Z]+1"', "<c", row1))
    parts[second] = sheet.encode()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, content in parts.items():
            z.writestr(name, content)


build(sys.argv[1])
swap_sheet_parts(sys.argv[1])
