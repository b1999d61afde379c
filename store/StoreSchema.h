#pragma once

#include "StoreResult.h"

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
    [[nodiscard]] static QStringList createTableStatements();

    // Index names and their statements. The first orders readings by sensor number the
    // way the views do (val of the text), so "by sensor, then time" starts showing rows
    // without sorting the whole table first; the second serves every date-time order and
    // lookup. An index on val() can only be written by a connection that knows val, which
    // every connection of the program does (StoreDb).
    [[nodiscard]] static QStringList indexNames();
    [[nodiscard]] static QStringList createIndexStatements();

    // Makes a new database file at path with the three empty tables and the indexes. The
    // file is built under another name and renamed into place, so a crash never leaves a
    // half-made database behind.
    [[nodiscard]] static StoreResult createFile(const QString& path);
};
