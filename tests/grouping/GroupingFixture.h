#pragma once

#include "grouping/GroupRow.h"

#include <QString>
#include <QStringList>
#include <QVector>

class StoreFixture;

// Plain ways to put groups in a test database and to read the station records back.
namespace GroupingFixture {

// Appends rows to 分组定义, written straight into the file: each entry
// "组名|传感器1|...|传感器8"; missing trailing slots are empty text.
void addGroups(const StoreFixture& fx, const QStringList& rows);
// Runs one statement straight on the file (triggers, odd rows).
void rawExec(const QString& path, const QString& sql);
// Every station record in stored order, columns joined by "|".
[[nodiscard]] QStringList records(const StoreFixture& fx);

// Groups as texts "组名|传感器1|...|传感器8".
[[nodiscard]] QStringList texts(const QVector<GroupRow>& groups);

} // namespace GroupingFixture
