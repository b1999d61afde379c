#pragma once

#include "reports/TemplateSheet.h"

#include <QByteArray>
#include <QString>

// A workbook made from a template file: the template's package as it is, with cells written
// into its first worksheet. The template may come from any spreadsheet program; its styles,
// column widths, merged cells and other sheets all carry over.
class TemplateBook {
public:
    // Reads the template and finds its first worksheet. False when the file is missing,
    // unreadable, or not a workbook with a worksheet.
    [[nodiscard]] bool open(const QString& templatePath);

    [[nodiscard]] TemplateSheet& firstSheet() { return m_sheet; }

    // Writes the filled workbook to `path`, replacing what was there. The file appears
    // complete or not at all.
    [[nodiscard]] bool saveAs(const QString& path) const;

private:
    QByteArray m_package;
    QString m_sheetPart;
    QByteArray m_sheetXml;
    TemplateSheet m_sheet;
};
