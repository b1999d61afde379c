#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// A workbook as an independent reader sees it: Debian's openpyxl, run from the test, so a
// file that only our own code could read back does not pass.
class XlsxProbe {
public:
    // Reads the file; sheetCount() is 0 when the reader could not.
    explicit XlsxProbe(const QString& path);

    [[nodiscard]] int sheetCount() const { return static_cast<int>(m_sheets.size()); }
    [[nodiscard]] QString error() const { return m_error; }
    [[nodiscard]] QJsonObject sheet(int index) const { return m_sheets.at(index).toObject(); }
    // A cell of a sheet: value, bold, colour ("FF008000"), fill, border; empty when absent.
    [[nodiscard]] QJsonObject cell(int sheet, const QString& name) const;
    [[nodiscard]] QString text(int sheet, const QString& name) const;
    // The texts of a row from column A to the given last column.
    [[nodiscard]] QStringList rowTexts(int sheet, int row, QChar lastColumn) const;
    [[nodiscard]] double width(int sheet, const QString& column) const;
    // The sheet's charts: {"kind": "ScatterChart", "series": [{"name", "x", "y"}]}.
    [[nodiscard]] QJsonArray charts(int sheet) const;

    // Writes a template of another program (see make_template.py) to path.
    [[nodiscard]] static bool makeForeignTemplate(const QString& path);

private:
    [[nodiscard]] static bool runPython(const QString& script, const QString& argument,
                                        QByteArray& output, QString& error);

    QJsonArray m_sheets;
    QString m_error;
};
