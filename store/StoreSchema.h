#pragma once

#include <QString>
#include <QStringList>

// The three tables of the database file, all columns text, and the indexes that keep the
// views of a large table quick. The statements are in the program's own SQL form (JetSql).
class StoreSchema {
public:
    static inline const QString Readings = QStringLiteral("表1");
    static inline const QString Groups = QStringLiteral("分组定义");
    static inline const QString Stations = QStringLiteral("测量数据");

    [[nodiscard]] static QStringList tables() { return {Readings, Groups, Stations}; }
    // The columns of 表1 in their order, as a statement lists them.
    static inline const QString ReadingColumns = QStringLiteral("[日期时间],[编号],[温度值]");
    static inline const QStringList ReadingColumnNames = {
        QStringLiteral("日期时间"), QStringLiteral("编号"), QStringLiteral("温度值")};
    // `textType` is the columns' type: "text" in the file; on a server, text compared byte by
    // byte, so that every order is the file's (ServerDialect::TextType).
    // Each leaves a table that already exists as it is: a server database may hold some.
    [[nodiscard]] static QStringList createTableStatements(const QString& textType = QStringLiteral("text"));

    // The index on 日期时间 serves every date-time order and lookup: the upload-time lists,
    // the views by time, deleting and grouping one upload. There is deliberately no index
    // on the sensor number's value: with one, every upload would touch a page of it per
    // reading and saving would slow down with the table, and the file would need val() to
    // be written at all; the file's views by sensor find their first screen through the number
    // table instead (FirstRows).
    [[nodiscard]] static QStringList indexNames();
    [[nodiscard]] static QStringList createIndexStatements();
};
