#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QVector>

#include <functional>

// Stores one upload, the rows of the device-data list, in table 表1 under the date-time
// the user confirmed. All rows of one save go in as one transaction: a failure, or the
// program being killed half-way, leaves the table as it was.
class UploadSaver {
public:
    // One row of the device-data list: its data number and its temperature text.
    struct ListRow {
        QString dataNumber;
        QString temperature;
    };
    // One row for 表1: the stored sensor number and the temperature text.
    struct Reading {
        QString number;
        QString temperature;
    };

    // The readings to store, walking the list from its last row up to its first: rows whose
    // data number lies in first..last, each number moved by offset and written as plain
    // decimal text; temperature texts unchanged.
    [[nodiscard]] static QVector<Reading> plan(const QVector<ListRow>& rows, qint16 first,
                                               qint16 last, qint16 offset);

    // The number of a data-number text as the list holds it: a number is rounded to a whole
    // one (four-digit form), any other text gives its leading number.
    [[nodiscard]] static double dataNumberValue(const QString& text);

    // Writes the readings, many to a statement. The texts are bound as values, so whatever
    // was typed is stored as typed. afterInsert, when given, runs after each statement with
    // the count of readings written so far.
    [[nodiscard]] static StoreResult save(const QString& dbPath, const QString& dateTime,
                                          const QVector<Reading>& readings,
                                          const std::function<void(int)>& afterInsert = {});
};
