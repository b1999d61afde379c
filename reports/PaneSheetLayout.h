#pragma once

#include "store/ReadingsLayout.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The query pane as a worksheet: the headers in row 3 and the rows below, in columns sized
// for the layout, date-times marked with "时间:".
class PaneSheetLayout {
public:
    static constexpr int HeaderRow = 3;

    explicit PaneSheetLayout(const ReadingsLayout& layout);

    [[nodiscard]] const QStringList& headers() const { return m_headers; }
    // Widths of columns A, B and C in the spreadsheet's character units.
    [[nodiscard]] QVector<double> columnWidths() const;
    // The text of a pane cell (column from 0) in the sheet.
    [[nodiscard]] QString cellText(int column, const QString& text) const;

private:
    QStringList m_headers;
    bool m_numberFirst = false;
    // The column holding date-times; -1 when none does.
    int m_timeColumn = -1;
};
