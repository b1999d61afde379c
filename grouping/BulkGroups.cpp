#include "BulkGroups.h"

#include "GroupDefinitions.h"
#include "NumberText.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The whole number of a typed text, within the 16-bit range the entries have always had,
// which also keeps the walk over the sensor numbers short.
int wholeNumber(const QString& text) {
    const double v = std::nearbyint(Val(text));
    return static_cast<int>(std::clamp(v, double(std::numeric_limits<qint16>::min()),
                                       double(std::numeric_limits<qint16>::max())));
}

} // namespace

QVector<GroupRow> BulkGroups::generate(const QString& perGroup, const QString& firstGroup,
                                       const QString& firstSensor, const QString& lastSensor) {
    QVector<GroupRow> rows;
    const int n = std::min(wholeNumber(perGroup), GroupRow::Slots);
    if (n <= 0)
        return rows;
    int group = wholeNumber(firstGroup);
    const int last = std::min(wholeNumber(lastSensor), HighestSensor);
    for (int s = wholeNumber(firstSensor); s <= last; s += n, ++group) {
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
