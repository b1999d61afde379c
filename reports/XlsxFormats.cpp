#include "reports/XlsxFormats.h"

#include <xlsxwriter.h>

lxw_format* XlsxFormats::font(const QColor& colour) {
    if (!colour.isValid() || !m_book)
        return nullptr;
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    auto it = m_fonts.find(rgb);
    if (it == m_fonts.end()) {
        lxw_format* format = workbook_add_format(m_book);
        // The format reads 0 as "no colour", so black has a value of its own.
        format_set_font_color(format, rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK)
                                               : static_cast<lxw_color_t>(rgb));
        it = m_fonts.insert(rgb, format);
    }
    return *it;
}

lxw_format* XlsxFormats::dateTime() {
    if (!m_dateTime && m_book) {
        m_dateTime = workbook_add_format(m_book);
        format_set_num_format(m_dateTime, "yyyy-mm-dd hh:mm");
    }
    return m_dateTime;
}

void XlsxFormats::check(int error) {
    if (error != LXW_NO_ERROR)
        m_refused = true;
}
