#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

class StoreDb;

// The distinct values of 表1 that the dialogs offer and the grouping run walks. Each is
// read with a "select distinct" that gives exactly the list a walk over every row in the
// same order would give, but lets SQLite skip through its index instead of handing over a
// million rows.
class ReadingLists {
public:
    // The distinct upload date-times, newest first, each preceded by "|"
    // ("|2008-04-30 14:25:03|2008-04-29 10:00:00"); empty text for an empty table. On an
    // error, what was read so far.
    [[nodiscard]] static QString uploadTimeList(const QString& dbPath);

    // The distinct upload date-times, oldest first.
    [[nodiscard]] static StoreResult dateTimes(const QString& dbPath, QStringList& out);

    // The distinct sensor numbers by value, ascending, each written as plain decimal text
    // (0012 and 12.0 both give 12).
    [[nodiscard]] static StoreResult sensorNumbers(const QString& dbPath, QStringList& out);

    // Whether 表1 holds any upload, read on an open store without walking the table.
    [[nodiscard]] static StoreResult hasUploads(StoreDb& db, bool& any);

private:
    [[nodiscard]] static StoreResult distinctTexts(const QString& dbPath, const QString& sql,
                                                   QStringList& out);
    [[nodiscard]] static StoreResult texts(StoreDb& db, const QString& sql, QStringList& out);
};
