#include "analysis/LimitSet.h"

#include "analysis/StoredText.h"
#include "common/NumberText.h"

#include <initializer_list>
#include <utility>

namespace analysis {

namespace {

LimitSet fixedSet(const QString& name, std::initializer_list<std::pair<LimitKind, double>> limits) {
    LimitSet set;
    set.name = name;
    set.builtIn = true;
    for (const auto& [kind, value] : limits)
        set.setLimit(kind, value);
    return set;
}

} // namespace

const QVector<LimitSet>& LimitSet::builtIns() {
    static const QVector<LimitSet> sets = {
        fixedSet(GbName, {{LimitKind::Rise, 50.0},
                          {LimitKind::CoreSurface, 25.0},
                          {LimitKind::CoolingRate, 2.0},
                          {LimitKind::SurfaceAir, 20.0}}),
        fixedSet(AciName, {{LimitKind::MaxTemperature, 70.0}, {LimitKind::CoreSurface, 19.0}}),
    };
    return sets;
}

const LimitSet* LimitSet::find(const QString& name, const QVector<LimitSet>& custom) {
    for (const QVector<LimitSet>* sets : {&builtIns(), &custom})
        for (const LimitSet& set : *sets)
            if (set.name == name)
                return &set;
    return nullptr;
}

LimitSet LimitSet::choose(const QString& name, const QVector<LimitSet>& custom, bool* found) {
    const LimitSet* set = find(name, custom);
    if (found)
        *found = set != nullptr;
    return set ? *set : builtIns().first();
}

bool LimitSet::parseLimit(const QString& text, std::optional<double>& out) {
    if (text.trimmed().isEmpty()) {
        out.reset();
        return true;
    }
    const std::optional<double> value = StoredText::toNumber(text);
    if (!value || *value <= 0)
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

} // namespace analysis
