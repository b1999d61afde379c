#pragma once

#include "analysis/StationRole.h"
#include "grouping/GroupRow.h"

#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace analysis {

// One station as the analysis sees it: the sensor of each filled slot, which slot is the
// surface point and which the bottom point, the interior slots strictly between them, and
// the depths. Slot indexes here count from 0.
struct Station {
    static constexpr int Slots = GroupRow::Slots;

    QString name;
    // The whole sensor number of each slot; -1 for an empty slot.
    std::array<int, Slots> sensors{};
    int surface = -1;
    int bottom = -1;
    QVector<int> interior;
    std::array<std::optional<double>, Slots> depths{};
    // Why the engineer's role could not be used, in words; the rule's roles are used then.
    QString roleProblem;

    [[nodiscard]] int sensor(int slot) const { return sensors[static_cast<std::size_t>(slot)]; }
    [[nodiscard]] bool filled(int slot) const { return sensor(slot) >= 0; }
    [[nodiscard]] QVector<int> filledSlots() const;
    // A station needs a slot strictly between its surface and bottom slots for a core.
    [[nodiscard]] bool hasCore() const { return !interior.isEmpty(); }
    // Slots with a depth, from the surface toward the bottom.
    [[nodiscard]] QVector<int> profileSlots() const;

    // The station of a group, with the engineer's role when it fits the group.
    [[nodiscard]] static Station resolve(const GroupRow& group, const StationRole* role);

    // What is wrong with a role for this group, in words; empty when it fits: a surface or
    // bottom slot that holds no sensor, the two being one slot, a depth on an empty slot,
    // or depths that do not increase from the surface toward the bottom.
    [[nodiscard]] static QString checkRole(const GroupRow& group, const StationRole& role);

private:
    // checkRole on the group's station as it stands without a role.
    [[nodiscard]] static QString problemOf(Station s, const StationRole& role);
};

} // namespace analysis
