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

QString StoreSchema::serverValFunction() {
    // Short plain numbers convert directly; only an exponent or a very long number can leave
    // the range of a double, and only those pay for catching the conversion's error.
    return QStringLiteral(
        "create or replace function val(t text) returns double precision "
        "language plpgsql immutable strict parallel safe as $val$\n"
        "declare m text := substring(t from "
        "'^[ \\t]*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)');\n"
        "begin\n"
        "  if m is null then return 0; end if;\n"
        "  if length(m) < 300 and m !~* 'e' then return m::double precision; end if;\n"
        "  begin\n"
        "    return m::double precision;\n"
        "  exception when others then return 0;\n"
        "  end;\n"
        "end $val$");
}
