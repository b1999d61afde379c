#include "grouping/BulkGroups.h"

#include "common/NumberText.h"
#include "grouping/GroupDefinitions.h"

#include <algorithm>

QVector<GroupRow> BulkGroups::generate(const QString& perGroup, const QString& firstGroup,
                                       const QString& firstSensor, const QString& lastSensor) {
    QVector<GroupRow> rows;
    const int n = std::min(WholeNumber(perGroup), GroupRow::Slots);
    if (n <= 0)
        return rows;
    int group = WholeNumber(firstGroup);
    const int last = std::min(WholeNumber(lastSensor), HighestSensor);
    for (int s = WholeNumber(firstSensor); s <= last; s += n, ++group) {
        GroupRow row;
        row.name = GroupDefinitions::storedName(QString::number(group));
        for (int k = 0; k < n; ++k) {
            const int sensor = s + k;
            if (sensor > 0 && sensor <= HighestSensor)
                row.sensors[static_cast<std::size_t>(k)] =
                    GroupDefinitions::storedName(QString::number(sensor));
        }
        rows.append(row);
    }
    return rows;
}
