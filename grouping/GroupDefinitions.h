#pragma once

#include "grouping/GroupRow.h"
#include "store/StoreResult.h"

#include <QVector>

class StoreDb;

// The stored station definitions, table 分组定义.
class GroupDefinitions {
public:
    // Every stored group, by the value of its name. A null value reads as empty text, so a
    // row written elsewhere with missing slots is shown whole and is not lost on the next
    // save.
    [[nodiscard]] static StoreResult load(const QString& dbPath, QVector<GroupRow>& rows);
    // The same on an open file.
    [[nodiscard]] static StoreResult load(StoreDb& db, QVector<GroupRow>& rows);

    // Replaces the stored groups by `rows`, in one transaction: a failure leaves the stored
    // groups as they were. An empty list changes nothing. Rows are written from the last
    // to the first, each in its stored form.
    [[nodiscard]] static StoreResult save(const QString& dbPath, const QVector<GroupRow>& rows);

    // A name or sensor number as it is stored: a number with four digits ("7" gives 0007),
    // any other text unchanged.
    [[nodiscard]] static QString storedName(const QString& name);
    // A group as it is stored: its name and every sensor number in that form.
    [[nodiscard]] static GroupRow stored(const GroupRow& row);
};
