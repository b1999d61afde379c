#pragma once

#include "grouping/GroupRow.h"

#include <QVector>

// Groups made by a rule: n sensors per group, numbered on from a first group, walking the
// sensor numbers from a first to a last one.
class BulkGroups {
public:
    static constexpr int HighestSensor = 1999;

    // The rule as the bulk dialog hands it over, as texts. n above 8 counts as 8 (a group
    // has eight slots); n of 0 or below makes nothing. Each group takes the next n numbers
    // (the last group may reach beyond `last`); a number outside 1..1999 leaves its slot
    // empty. No group starts beyond sensor 1999, since it would hold no sensor at all.
    [[nodiscard]] static QVector<GroupRow> generate(const QString& perGroup,
                                                    const QString& firstGroup,
                                                    const QString& firstSensor,
                                                    const QString& lastSensor);
};
