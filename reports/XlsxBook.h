#pragma once

#include "reports/XlsxFormats.h"
#include "reports/XlsxSheet.h"

#include <QString>

#include <memory>
#include <vector>

struct lxw_workbook;

// A new workbook file with sheets of its own. Nothing is on disk until close(), which writes
// the whole file; a workbook that is not closed leaves no file behind.
class XlsxBook {
public:
    explicit XlsxBook(const QString& path);
    ~XlsxBook();
    XlsxBook(const XlsxBook&) = delete;
    XlsxBook& operator=(const XlsxBook&) = delete;

    [[nodiscard]] bool isOpen() const { return m_book != nullptr; }

    // The first sheet, made on first use.
    [[nodiscard]] XlsxSheet& firstSheet();
    // A sheet after the last one; null when the name is not a valid sheet name (at most 31
    // characters, none of []:*?/\) or is taken. An empty name gives the next "SheetN".
    [[nodiscard]] XlsxSheet* addSheet(const QString& name = {});

    // Writes the file. False when it could not be written or a write was refused; then no
    // file is left at the path.
    [[nodiscard]] bool close();

private:
    QString m_path;
    lxw_workbook* m_book = nullptr;
    std::vector<std::unique_ptr<XlsxSheet>> m_sheets;
    std::unique_ptr<XlsxFormats> m_formats;
};
