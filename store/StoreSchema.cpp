#include "StoreSchema.h"


QStringList StoreSchema::createTableStatements() {
    QString groups = QStringLiteral("Create Table [分组定义] ([组名] text");
    for (int k = 1; k <= 8; ++k)
        groups += QStringLiteral(", [传感器%1] text").arg(k);
    groups += QLatin1Char(')');

    QString stations = QStringLiteral(
        "Create Table [测量数据] ([myid] text, [接收日期] text, [接收时间] text, [站点编号] text");
    for (int k = 1; k <= 8; ++k)
        stations += QStringLiteral(", [t%1] text").arg(k);
    stations += QLatin1Char(')');

    return {QStringLiteral("Create Table [表1] ([日期时间] text, [编号] text, [温度值] text)"),
            groups, stations};
}

QStringList StoreSchema::indexNames() {
    return {QStringLiteral("表1_日期时间")};
}

QStringList StoreSchema::createIndexStatements() {
    return {QStringLiteral("Create Index If Not Exists [%1] On [表1] ([日期时间])")
                .arg(indexNames().first())};
}
