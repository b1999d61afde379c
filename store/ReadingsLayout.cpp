#include "store/ReadingsLayout.h"

namespace {

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
        l.m_sql = QStringLiteral("select * from [表1] order by val(编号) asc,[日期时间] desc,rowid");
        break;
    case Fill::ByTimeThenSensor:
        l.m_caption = QStringLiteral(" 同一时间，各传感器温度值：");
        l.m_columns = {DateTime, Number, Temperature};
        l.m_sql = QStringLiteral("select * from [表1] order by [日期时间] desc,val(编号) asc,rowid");
        break;
    case Fill::UploadTimes:
        l.m_caption = QStringLiteral(" 数据上传时间列表：");
        l.m_paneWidth = 3000;
        l.m_columns = {{QStringLiteral("已有数据<日期和时间>"), 3000}};
        l.m_sql = QStringLiteral("select * from [表1] order by [日期时间] desc");
        break;
    case Fill::SensorNumbers:
        l.m_caption = QStringLiteral(" 传感器编号列表：");
        l.m_paneWidth = 3000;
        l.m_columns = {{QStringLiteral("已有数据<传感器编号>"), 3000}};
        l.m_sql = QStringLiteral("select * from [表1] order by val(编号) asc");
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
