#include "store/ReadingsLayout.h"

#include "store/StoreAddress.h"

namespace {

// The distinct date-times newest first, each found through the index on 日期时间 from the
// one before, so the first screen costs as much whatever the number of readings. Null
// date-times come where the engine sorts them in a descending order: first, when the first
// row of that order is null.
const QString UploadTimesSql = QStringLiteral(
    "with recursive [步]([日期时间]) as ("
    "select (select [日期时间] from [表1] where [日期时间] is not null "
    "order by [日期时间] desc limit 1) "
    "union all select (select [日期时间] from [表1] where [日期时间] < [步].[日期时间] "
    "order by [日期时间] desc limit 1) from [步] where [步].[日期时间] is not null) "
    "select null as [日期时间] where %1 is null and %2 "
    "union all select [日期时间] from [步] where [日期时间] is not null "
    "union all select null where %1 is not null and %2")
        .arg(QStringLiteral("(select [日期时间] from [表1] order by [日期时间] desc limit 1)"),
             QStringLiteral("exists (select 1 from [表1] where [日期时间] is null)"));

// The same walk over the server's index of val(编号): one number of each value, smallest
// first, and the null numbers last, where the server sorts them (val() is null exactly for
// them). The file has no index of its own function, so it sorts.
const QString ServerNumbersSql = QStringLiteral(
    "with recursive [步]([值]) as ("
    "select (select val([编号]) from [表1] where val([编号]) is not null "
    "order by val([编号]) limit 1) "
    "union all select (select val([编号]) from [表1] where val([编号]) > [步].[值] "
    "order by val([编号]) limit 1) from [步] where [步].[值] is not null) "
    "select (select [编号] from [表1] where val([编号]) = [步].[值] order by val([编号]), "
    "[日期时间] desc limit 1) as [编号] from [步] where [值] is not null "
    "union all select null where exists (select 1 from [表1] where val([编号]) is null)");
const QString FileNumbersSql = QStringLiteral("select * from [表1] order by val(编号) asc");

const QString AllReadings = QStringLiteral("select * from [表1] ");

const ReadingsLayout::Column Number{QStringLiteral("编号"), 1000};
const ReadingsLayout::Column DateTime{QStringLiteral("日期和时间"), 2000};
const ReadingsLayout::Column Temperature{QStringLiteral("温度值"), 1000};

} // namespace

ReadingsLayout ReadingsLayout::of(Fill fill) {
    ReadingsLayout l;
    l.m_fill = fill;
    l.m_paneWidth = 5000;
    switch (fill) {
    case Fill::BySensorThenTime:
        l.m_caption = QStringLiteral(" 同一传感器，各时间温度值：");
        l.m_columns = {Number, DateTime, Temperature};
        l.m_order = QStringLiteral("order by val(编号) asc,[日期时间] desc,rowid");
        l.m_sql = AllReadings + l.m_order;
        break;
    case Fill::ByTimeThenSensor:
        l.m_caption = QStringLiteral(" 同一时间，各传感器温度值：");
        l.m_columns = {DateTime, Number, Temperature};
        l.m_order = QStringLiteral("order by [日期时间] desc,val(编号) asc,rowid");
        l.m_sql = AllReadings + l.m_order;
        break;
    case Fill::UploadTimes:
        l.m_caption = QStringLiteral(" 数据上传时间列表：");
        l.m_paneWidth = 3000;
        l.m_columns = {{QStringLiteral("已有数据<日期和时间>"), 3000}};
        l.m_sql = UploadTimesSql;
        break;
    case Fill::SensorNumbers:
        l.m_caption = QStringLiteral(" 传感器编号列表：");
        l.m_paneWidth = 3000;
        l.m_columns = {{QStringLiteral("已有数据<传感器编号>"), 3000}};
        l.m_sql = FileNumbersSql;
        break;
    case Fill::QueryBySensor:
        l.m_columns = {Number, DateTime, Temperature};
        break;
    case Fill::QueryByTime:
        l.m_columns = {DateTime, Number, Temperature};
        break;
    }
    return l;
}

ReadingsLayout ReadingsLayout::forQuery(const QString& orderKey) {
    return of(orderKey == QStringLiteral("编号") ? Fill::QueryBySensor : Fill::QueryByTime);
}

QString ReadingsLayout::sql(const QString& dbPath) const {
    return m_fill == Fill::SensorNumbers && StoreAddress(dbPath).isServer() ? ServerNumbersSql
                                                                           : m_sql;
}

QString ReadingsLayout::sqlOfRows(const QStringList& rowids) const {
    if (m_order.isEmpty())
        return {};
    return AllReadings + QStringLiteral("where rowid in (%1) ").arg(rowids.join(QLatin1Char(','))) +
           m_order;
}

QString ReadingsLayout::limited(const QString& sql, int rows) {
    QString whole = sql.trimmed();
    while (whole.endsWith(QLatin1Char(';')))
        whole.chop(1);
    return QStringLiteral("select * from (%1\n) as preview limit %2")
        .arg(whole, QString::number(rows));
}
