#include "reports/XlsxBook.h"

#include <QFile>

#include <xlsxwriter.h>

XlsxBook::XlsxBook(const QString& path) : m_path(path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    m_formats = std::make_unique<XlsxFormats>(m_book);
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
    m_sheets.push_back(std::make_unique<XlsxSheet>(*m_formats, sheet));
    return m_sheets.back().get();
}

bool XlsxBook::close() {
    if (!m_book)
        return false;
    (void)firstSheet();
    m_formats->forgetWorkbook();
    if (m_formats->refused()) {
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
