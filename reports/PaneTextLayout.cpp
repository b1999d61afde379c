#include "reports/PaneTextLayout.h"

#include "reports/TabStops.h"

PaneTextLayout::PaneTextLayout(const ReadingsLayout& layout) {
    const bool numberFirst =
        !layout.columns().isEmpty() && layout.columns().first().title == QStringLiteral("编号");
    const QVector<int> stops{20, numberFirst ? 30 : 45, 50};
    for (int c = 0; c < layout.columns().size() && c < stops.size(); ++c) {
        m_stops.append(stops[c]);
        m_headers.append(layout.columns()[c].title);
    }
}

QStringList PaneTextLayout::headLines() const {
    QVector<TabField> header;
    for (int c = 0; c < m_stops.size(); ++c)
        header.append({m_stops[c], m_headers[c]});
    return PlaceAtStops(header) + PlaceAtStops({{20, QString(40, QLatin1Char('-'))}});
}

QStringList PaneTextLayout::rowLines(const QStringList& cells) const {
    QVector<TabField> fields;
    for (int c = 0; c < m_stops.size() && c < cells.size(); ++c)
        if (c > 0 || !cells[c].trimmed().isEmpty())
            fields.append({m_stops[c], cells[c]});
    return PlaceAtStops(fields);
}
