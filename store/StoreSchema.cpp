#include "store/StoreSchema.h"

QStringList StoreSchema::createTableStatements(const QString& textType) {
    QString groups =
        QStringLiteral("Create Table If Not Exists [分组定义] ([组名] %1").arg(textType);
    for (int k = 1; k <= 8; ++k)
        groups += QStringLiteral(", [传感器%1] %2").arg(k).arg(textType);
    groups += QLatin1Char(')');

    QString stations = QStringLiteral("Create Table If Not Exists [测量数据] ([myid] %1, "
                                      "[接收日期] %1, [接收时间] %1, [站点编号] %1")
                           .arg(textType);
    for (int k = 1; k <= 8; ++k)
        stations += QStringLiteral(", [t%1] %2").arg(k).arg(textType);
    stations += QLatin1Char(')');

    return {
        QStringLiteral("Create Table If Not Exists [表1] ([日期时间] %1, [编号] %1, [温度值] %1)")
            .arg(textType),
        groups, stations};
}

QStringList StoreSchema::indexNames() {
    return {QStringLiteral("表1_日期时间")};
}

QStringList StoreSchema::createIndexStatements() {
    return {QStringLiteral("Create Index If Not Exists [%1] On [表1] ([日期时间])")
                .arg(indexNames().first())};
}
