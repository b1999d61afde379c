#include "XlsxSheet.h"

#include "XlsxBook.h"

#include <xlsxwriter.h>

// The format counts rows and columns from 0.
void XlsxSheet::writeText(int row, int column, const QString& text, const QColor& fontColour) {
    m_book.check(worksheet_write_string(m_sheet, static_cast<lxw_row_t>(row - 1),
                                        static_cast<lxw_col_t>(column - 1),
                                        text.toUtf8().constData(), m_book.fontFormat(fontColour)));
}

void XlsxSheet::writeNumber(int row, int column, double value, const QColor& fontColour) {
    m_book.check(worksheet_write_number(m_sheet, static_cast<lxw_row_t>(row - 1),
                                        static_cast<lxw_col_t>(column - 1), value,
                                        m_book.fontFormat(fontColour)));
}

void XlsxSheet::setColumnWidth(int column, double width) {
    const auto c = static_cast<lxw_col_t>(column - 1);
    m_book.check(worksheet_set_column(m_sheet, c, c, width, nullptr));
}
