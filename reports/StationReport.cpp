#include "reports/StationReport.h"

#include "common/NumberText.h"
#include "reports/StationQuery.h"
#include "reports/StationRecord.h"
#include "reports/StationRows.h"
#include "reports/TemperatureCode.h"
#include "store/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

QString textTitle(int station) {
    return NumberFormat::format(QString::number(station), 2, 0) +
           QStringLiteral("#站点 大体积砼电脑测温数据");
}

int titleIndent(const QString& title) {
    // Halves go to the even neighbour: 25 blanks for a one- or two-digit station, 24 for
    // three or four digits.
    return static_cast<int>(
        std::nearbyint((StationReport::ListHeader.size() - title.size()) / 2.0));
}

} // namespace

QString StationReport::listLine(const StationRecord& record) {
    QStringList temperatures;
    for (const QString& t : record.t)
        temperatures.append(TemperatureCode::listText(t));
    return record.timeText() + QString(9, QLatin1Char(' ')) +
           NumberFormat::format(PlainNumber(Val(record.station)), 2, 0) +
           QString(5, QLatin1Char(' ')) + temperatures.join(QString(5, QLatin1Char(' ')));
}

StoreResult StationReport::readList(const QString& dbPath, const StationQuery& query,
                                    QStringList& lines) {
    lines = QStringList{ListHeader};
    StationRows rows(dbPath);
    StoreResult r = rows.open(query, CountedRows::Counting::Skip);
    if (!r.ok())
        return r;
    StationRecord record;
    while (rows.next(record))
        lines.append(listLine(record));
    return rows.error();
}

QStringList StationReport::textFileLines(int station, const QStringList& list) {
    const QString title = textTitle(station);
    return QStringList{QString(std::max(0, titleIndent(title)), QLatin1Char(' ')) + title,
                       QString()} +
           list;
}
