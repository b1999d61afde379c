#include "reports/StationQuery.h"

#include "common/NumberText.h"

int StationQuery::stationOf(const QString& chooserText) {
    return WholeNumber(chooserText);
}

QString StationQuery::sql() const {
    const QString from = start.toString(QStringLiteral("yyyy-MM-dd"));
    const QString to = end.toString(QStringLiteral("yyyy-MM-dd"));
    if (station == AllStations)
        return QStringLiteral(
                   "select * from [测量数据] where 接收日期 >= #%1# and 接收日期 <= #%2# "
                   "order by val(站点编号), val(MyId)")
            .arg(from, to);
    return QStringLiteral("select * from [测量数据] where val(站点编号) = %1 AND 接收日期 >= #%2# "
                          "and 接收日期 <= #%3# order by val(MyId)")
        .arg(PlainNumber(station), from, to);
}
