#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

class StoreDb;

// The distinct values of 表1 that the dialogs offer and the grouping run walks. Each is
// read so that the engine skips through an index instead of handing over a million rows:
// the date-times by the upload-time view's walk, which steps from one to the next.
class ReadingLists {
public:
    // The distinct upload date-times, newest first, each preceded by "|"
    // ("|2008-04-30 14:25:03|2008-04-29 10:00:00"); empty text for an empty table. On an
    // error, what was read so far.
    [[nodiscard]] static QString uploadTimeList(const QString& dbPath);

    // The distinct upload date-times, oldest first.
    [[nodiscard]] static StoreResult dateTimes(const QString& dbPath, QStringList& out);

    // The distinct upload date-times, newest first, read on `db`, open on the store at
    // `dbPath`.
    [[nodiscard]] static StoreResult uploadTimes(StoreDb& db, const QString& dbPath,
                                                 QStringList& out);

    // The distinct sensor numbers by value, ascending, each written as plain decimal text
    // (0012 and 12.0 both give 12).
    [[nodiscard]] static StoreResult sensorNumbers(const QString& dbPath, QStringList& out);

    // Whether 表1 holds any upload, read on an open store without walking the table.
    [[nodiscard]] static StoreResult hasUploads(StoreDb& db, bool& any);

private:
    // The first column of every row of `sql`; a null one is left out unless `withNull`.
    [[nodiscard]] static StoreResult distinctTexts(const QString& dbPath, const QString& sql,
                                                   QStringList& out, bool withNull = true);
    [[nodiscard]] static StoreResult texts(StoreDb& db, const QString& sql, QStringList& out,
                                           bool withNull = true);
};
