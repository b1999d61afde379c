#pragma once

#include "reports/TemplateSheet.h"

#include <QByteArray>
#include <QString>

// A workbook made from a template file: the template's package as it is, with cells written
// into its first worksheet. The template may come from any spreadsheet program; its styles,
// column widths, merged cells and other sheets all carry over.
class TemplateBook {
public:
    // A template holds a few kilobytes; a file beyond this is not read at all.
    static constexpr qint64 MaxFileBytes = qint64(64) << 20;

    // Reads the template and finds its first worksheet. False when the file is missing,
    // unreadable or too large, not a workbook with a worksheet, or its sheet is too large
    // or beyond the rows and columns a sheet holds; error() then says which, naming the file.
    [[nodiscard]] bool open(const QString& templatePath);

    [[nodiscard]] TemplateSheet& firstSheet() { return m_sheet; }

    // Writes the filled workbook to `path`, replacing what was there. The file appears
    // complete or not at all; when not, error() holds the file's error.
    [[nodiscard]] bool saveAs(const QString& path);

    [[nodiscard]] const QString& error() const { return m_error; }

private:
    [[nodiscard]] bool refuse(const QString& reason, const QString& templatePath);

    QByteArray m_package;
    QString m_sheetPart;
    QByteArray m_sheetXml;
    TemplateSheet m_sheet;
    QString m_error;
};
