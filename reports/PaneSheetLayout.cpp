#include "reports/PaneSheetLayout.h"

PaneSheetLayout::PaneSheetLayout(const ReadingsLayout& layout) {
    for (const ReadingsLayout::Column& column : layout.columns())
        m_headers.append(column.title);
    m_numberFirst = m_headers.value(0) == QStringLiteral("编号");
    // The list of sensor numbers has one column and no date-time in it.
    if (layout.fill() != ReadingsLayout::Fill::SensorNumbers)
        m_timeColumn = m_numberFirst ? 1 : 0;
}

QVector<double> PaneSheetLayout::columnWidths() const {
    return m_numberFirst ? QVector<double>{5, 20, 7} : QVector<double>{20, 5, 7};
}

QString PaneSheetLayout::cellText(int column, const QString& text) const {
    if (column != m_timeColumn || text.isEmpty())
        return text;
    return QStringLiteral("时间:") + text;
}
