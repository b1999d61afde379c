#pragma once

#include "grouping/GroupRow.h"

#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace analysis {

// What the engineer says about one station's slots: which is the surface point, which the
// bottom point, and how deep each lies below the top face, in mm. Slots count from 1; 0
// leaves the choice to the rule (the first filled slot is the surface, the last the bottom).
struct StationRole {
    QString station;
    int surfaceSlot = 0;
    int bottomSlot = 0;
    std::array<std::optional<double>, GroupRow::Slots> depths{};

    [[nodiscard]] std::optional<double> depth(int slot) const {
        return depths[static_cast<std::size_t>(slot)];
    }

    // The role of the station of that name: the first one, should a list name it twice.
    [[nodiscard]] static const StationRole* find(const QVector<StationRole>& roles,
                                                 const QString& station) {
        for (const StationRole& role : roles)
            if (role.station == station)
                return &role;
        return nullptr;
    }
};

} // namespace analysis
