#pragma once

#include <QByteArray>
#include <QString>

#include <map>

// The cells written into a template's worksheet, and the rewrite that puts them into the
// worksheet's XML. Only the sheet's cells change: a written cell replaces the template's cell
// there (a shared-string or formula cell included) and keeps its style; every other cell,
// the column widths, merged cells and all that follows the cells stay exactly as the
// template has them. Text goes in as inline strings, so the shared strings stay untouched.
class TemplateSheet {
public:
    void writeText(int row, int column, const QString& text);

    // New cells from this row on take the style of the template's cell in the same column
    // of this row, so a user who restyles that row in a spreadsheet program restyles every
    // data row. 0 (the default) leaves new cells unstyled.
    void setModelRow(int row) { m_modelRow = row; }

    // The worksheet XML with the written cells in place; false when the XML is not a
    // worksheet this rewrite understands.
    [[nodiscard]] bool rewrite(const QByteArray& sheetXml, QByteArray& out) const;

private:
    struct ExistingCell {
        int column = 0; // 0 for anything in a row that is not a cell
        bool hasRef = false;
        QString style;
        QString raw;
    };
    struct ExistingRow {
        int number = 0;
        bool hasRef = false;
        QString startTag;
        QString endTag;
        std::map<int, ExistingCell> cells;
        QString others;
    };

    [[nodiscard]] static bool readRows(const QString& inner, std::map<int, ExistingRow>& rows);
    [[nodiscard]] QString rowXml(const QString& prefix, int number, const ExistingRow* existing,
                                 const std::map<int, QString>* written,
                                 const std::map<int, QString>& modelStyles) const;
    [[nodiscard]] QString dimensionRef(const QString& current) const;

    std::map<int, std::map<int, QString>> m_rows;
    int m_modelRow = 0;
};
