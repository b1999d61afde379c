#include "analysis/Station.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

std::array<int, Station::Slots> sensorsOf(const GroupRow& group) {
    std::array<int, Station::Slots> sensors{};
    for (int k = 0; k < Station::Slots; ++k) {
        const QString& text = group.sensors[static_cast<std::size_t>(k)];
        // A filled slot whose number has no reading place still counts as a slot; it just
        // never reads.
        sensors[static_cast<std::size_t>(k)] =
            text.trimmed().isEmpty() ? -1 : std::max(0, static_cast<int>(std::lround(Val(text))));
    }
    return sensors;
}

// Filled slots ordered from the surface slot toward the bottom slot.
QVector<int> alongDepth(const Station& s) {
    QVector<int> slotList = s.filledSlots();
    if (s.surface > s.bottom)
        std::reverse(slotList.begin(), slotList.end());
    return slotList;
}

void placeRoles(Station& s, int surface, int bottom) {
    s.surface = surface;
    s.bottom = bottom;
    s.interior.clear();
    if (surface < 0 || bottom < 0)
        return;
    for (int k = std::min(surface, bottom) + 1; k < std::max(surface, bottom); ++k)
        if (s.filled(k))
            s.interior.append(k);
}

// The group's station with the outermost filled slots as its surface and bottom.
Station defaults(const GroupRow& group) {
    Station s;
    s.name = group.name;
    s.sensors = sensorsOf(group);
    const QVector<int> filled = s.filledSlots();
    placeRoles(s, filled.isEmpty() ? -1 : filled.first(), filled.size() < 2 ? -1 : filled.last());
    return s;
}

} // namespace

QVector<int> Station::filledSlots() const {
    QVector<int> slotList;
    for (int k = 0; k < Slots; ++k)
        if (filled(k))
            slotList.append(k);
    return slotList;
}

QVector<int> Station::profileSlots() const {
    QVector<int> slotList;
    for (int k : alongDepth(*this))
        if (depths[static_cast<std::size_t>(k)])
            slotList.append(k);
    return slotList;
}

Station Station::resolve(const GroupRow& group, const StationRole* role) {
    Station s = defaults(group);
    if (!role)
        return s;
    s.roleProblem = problemOf(s, *role);
    if (!s.roleProblem.isEmpty())
        return s;
    placeRoles(s, role->surfaceSlot > 0 ? role->surfaceSlot - 1 : s.surface,
               role->bottomSlot > 0 ? role->bottomSlot - 1 : s.bottom);
    s.depths = role->depths;
    return s;
}

QString Station::checkRole(const GroupRow& group, const StationRole& role) {
    return problemOf(defaults(group), role);
}

QString Station::problemOf(Station s, const StationRole& role) {
    const int surface = role.surfaceSlot > 0 ? role.surfaceSlot - 1 : s.surface;
    const int bottom = role.bottomSlot > 0 ? role.bottomSlot - 1 : s.bottom;
    if (surface >= 0 && !s.filled(surface))
        return QStringLiteral("表层测点（第%1个）没有传感器。").arg(surface + 1);
    if (bottom >= 0 && !s.filled(bottom))
        return QStringLiteral("底层测点（第%1个）没有传感器。").arg(bottom + 1);
    if (surface >= 0 && surface == bottom)
        return QStringLiteral("表层测点和底层测点不能是同一个测点。");
    for (int k = 0; k < Slots; ++k)
        if (role.depth(k) && !s.filled(k))
            return QStringLiteral("第%1个测点没有传感器，不能设定深度。").arg(k + 1);
    s.surface = surface;
    s.bottom = bottom;
    std::optional<double> previous;
    for (int k : alongDepth(s)) {
        const auto depth = role.depth(k);
        if (!depth)
            continue;
        if (*depth < 0)
            return QStringLiteral("第%1个测点的深度不能为负数。").arg(k + 1);
        if (previous && *depth <= *previous)
            return QStringLiteral("测点深度必须从表层向底层递增（第%1个测点）。").arg(k + 1);
        previous = depth;
    }
    return {};
}

} // namespace analysis
