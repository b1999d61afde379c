#pragma once

#include "GroupRow.h"

#include <QString>

#include <array>
#include <optional>

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
};
