#pragma once

#include "store/ReadingsLayout.h"

#include <QStringList>
#include <QVector>

// The query pane as a column-aligned text file: the column headers, a rule, and the rows,
// each column from a fixed stop. The date-time column is wide, so the stop after it lies
// further right when it comes first.
class PaneTextLayout {
public:
    explicit PaneTextLayout(const ReadingsLayout& layout);

    // The header line and the rule line under it.
    [[nodiscard]] QStringList headLines() const;
    // A pane row's lines; a first cell of blanks only is left out.
    [[nodiscard]] QStringList rowLines(const QStringList& cells) const;

private:
    QVector<int> m_stops;
    QStringList m_headers;
};
