#include "XlsxBook.h"

#include <QFile>

#include <xlsxwriter.h>

XlsxBook::XlsxBook(const QString& path) : m_path(path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
}

XlsxBook::~XlsxBook() {
    if (m_book)
        lxw_workbook_free(m_book);
}

XlsxSheet& XlsxBook::firstSheet() {
    if (m_sheets.empty())
        (void)addSheet();
    return *m_sheets.front();
}

XlsxSheet* XlsxBook::addSheet(const QString& name) {
    if (!m_book)
        return nullptr;
    const QByteArray utf8 = name.toUtf8();
    if (!name.isEmpty() && workbook_validate_sheet_name(m_book, utf8.constData()) != LXW_NO_ERROR)
        return nullptr;
    lxw_worksheet* sheet =
        workbook_add_worksheet(m_book, name.isEmpty() ? nullptr : utf8.constData());
    if (!sheet)
        return nullptr;
    m_sheets.push_back(std::make_unique<XlsxSheet>(*this, sheet));
    return m_sheets.back().get();
}

lxw_format* XlsxBook::fontFormat(const QColor& colour) {
    if (!colour.isValid() || !m_book)
        return nullptr;
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    auto it = m_fontFormats.find(rgb);
    if (it == m_fontFormats.end()) {
        lxw_format* format = workbook_add_format(m_book);
        // The format reads 0 as "no colour", so black has a value of its own.
        format_set_font_color(format, rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK)
                                               : static_cast<lxw_color_t>(rgb));
        it = m_fontFormats.insert(rgb, format);
    }
    return *it;
}

lxw_format* XlsxBook::dateTimeFormat() {
    if (!m_dateTimeFormat && m_book) {
        m_dateTimeFormat = workbook_add_format(m_book);
        format_set_num_format(m_dateTimeFormat, "yyyy-mm-dd hh:mm");
    }
    return m_dateTimeFormat;
}

void XlsxBook::check(int error) {
    if (error != LXW_NO_ERROR)
        m_refused = true;
}

bool XlsxBook::close() {
    if (!m_book)
        return false;
    (void)firstSheet();
    if (m_refused) {
        lxw_workbook_free(m_book);
        m_book = nullptr;
        return false;
    }
    const lxw_error written = workbook_close(m_book);
    m_book = nullptr;
    if (written != LXW_NO_ERROR) {
        QFile::remove(m_path);
        return false;
    }
    return true;
}
