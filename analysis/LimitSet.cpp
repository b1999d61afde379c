#include "LimitSet.h"

#include "NumberText.h"

#include <cmath>

LimitSet LimitSet::Gb50496() {
    LimitSet set;
    set.name = GbName;
    set.builtIn = true;
    set.setLimit(LimitKind::Rise, 50.0);
    set.setLimit(LimitKind::CoreSurface, 25.0);
    set.setLimit(LimitKind::CoolingRate, 2.0);
    set.setLimit(LimitKind::SurfaceAir, 20.0);
    return set;
}

LimitSet LimitSet::Aci301() {
    LimitSet set;
    set.name = AciName;
    set.builtIn = true;
    set.setLimit(LimitKind::MaxTemperature, 70.0);
    set.setLimit(LimitKind::CoreSurface, 19.0);
    return set;
}

QVector<LimitSet> LimitSet::builtIns() {
    return {Gb50496(), Aci301()};
}

LimitSet LimitSet::choose(const QString& name, const QVector<LimitSet>& custom, bool* found) {
    if (found)
        *found = true;
    for (const LimitSet& set : builtIns() + custom)
        if (set.name == name)
            return set;
    if (found)
        *found = false;
    return Gb50496();
}

bool LimitSet::parseLimit(const QString& text, std::optional<double>& out) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        out.reset();
        return true;
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return false;
    out = value;
    return true;
}

QString LimitSet::describe() const {
    QStringList parts;
    for (int k = 0; k < LimitCount; ++k) {
        const auto kind = static_cast<LimitKind>(k);
        if (const auto value = limit(kind))
            parts.append(Figures::limitName(kind) + QStringLiteral("≤") + PlainNumber(*value) +
                         Figures::limitUnit(kind));
    }
    return parts.isEmpty() ? QStringLiteral("（没有限值）") : parts.join(QStringLiteral("；"));
}
