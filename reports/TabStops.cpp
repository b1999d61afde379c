#include "reports/TabStops.h"

QStringList PlaceAtStops(const QVector<TabField>& fields) {
    QStringList lines{QString()};
    for (const TabField& field : fields) {
        const qsizetype before = field.column - 1;
        if (lines.last().size() > before)
            lines.append(QString());
        QString& line = lines.last();
        line += QString(before - line.size(), QLatin1Char(' '));
        line += field.text;
    }
    return lines;
}
