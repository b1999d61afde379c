#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>

class XlsxFormats;
struct XlsxLineChart;
struct lxw_worksheet;

// One worksheet of a new workbook. Rows are written from the top down: a row is handed to
// the file as soon as a later row is written, which keeps a sheet of a million rows small
// in memory. Rows and columns count from 1 (A1 is row 1, column 1). A write the format
// refuses (beyond the sheet's last row, or into a row already handed on) makes the whole
// workbook fail when it is closed, so a short sheet is never passed off as complete.
class XlsxSheet {
public:
    XlsxSheet(XlsxFormats& formats, lxw_worksheet* sheet) : m_formats(formats), m_sheet(sheet) {}

    // An invalid colour leaves the font as the sheet's default.
    void writeText(int row, int column, const QString& text, const QColor& fontColour = {});
    void writeNumber(int row, int column, double value, const QColor& fontColour = {});
    // A date and time as the spreadsheet's own date-time number, shown as yyyy-mm-dd hh:mm.
    void writeDateTime(int row, int column, const QDateTime& value);
    // Width in the spreadsheet's character units.
    void setColumnWidth(int column, double width);
    // Places the chart with its top left corner in that cell.
    void insertLineChart(int row, int column, const XlsxLineChart& chart);

private:
    XlsxFormats& m_formats;
    lxw_worksheet* m_sheet;
};
