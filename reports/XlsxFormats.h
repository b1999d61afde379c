#pragma once

#include <QColor>
#include <QHash>

struct lxw_format;
struct lxw_workbook;

// What the sheets of one new workbook share: the workbook itself (for charts), its cell
// formats, made once each, and whether any write was refused.
class XlsxFormats {
public:
    explicit XlsxFormats(lxw_workbook* book) : m_book(book) {}

    // Null once the workbook has been written or given up.
    [[nodiscard]] lxw_workbook* workbook() const { return m_book; }
    void forgetWorkbook() { m_book = nullptr; }

    // A font of this colour; null (the sheet's default) for an invalid colour.
    [[nodiscard]] lxw_format* font(const QColor& colour);
    [[nodiscard]] lxw_format* dateTime();

    // Notes a write the format refused.
    void check(int error);
    [[nodiscard]] bool refused() const { return m_refused; }

private:
    lxw_workbook* m_book;
    QHash<QRgb, lxw_format*> m_fonts;
    lxw_format* m_dateTime = nullptr;
    bool m_refused = false;
};
