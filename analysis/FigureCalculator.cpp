#include "FigureCalculator.h"

#include "CoolingRate.h"
#include "LimitSet.h"
#include "PourReadings.h"
#include "PourSettings.h"
#include "Station.h"

#include <QtNumeric>

#include <vector>

namespace {

// A slot's readings as one column, or none: a NaN in every upload.
class Column {
public:
    Column() = default;
    explicit Column(const std::vector<double>* values) : m_values(values) {}

    [[nodiscard]] double operator[](int i) const {
        return m_values ? (*m_values)[static_cast<std::size_t>(i)] : qQNaN();
    }
    [[nodiscard]] const std::vector<double>* values() const { return m_values; }

private:
    const std::vector<double>* m_values = nullptr;
};

void keepHottest(double& best, double value) {
    if (!qIsNaN(value) && (qIsNaN(best) || value > best))
        best = value;
}

// The limit each figure answers to in this set; none where the set has none.
std::array<std::optional<double>, FigureCount> limitsByFigure(const LimitSet& limits) {
    std::array<std::optional<double>, FigureCount> out{};
    for (int f = 0; f < FigureCount; ++f)
        if (const auto kind = Figures::limitOf(Figures::kind(f)))
            out[static_cast<std::size_t>(f)] = limits.limit(*kind);
    return out;
}

} // namespace

StationSeries FigureCalculator::compute(const Station& s, const PourReadings& r,
                                        const PourSettings& pour, const LimitSet& limits) {
    std::array<Column, Station::Slots> slot;
    for (int k : s.filledSlots())
        slot[static_cast<std::size_t>(k)] = Column(r.series(s.sensor(k)));
    const auto at = [&slot](int k, int i) {
        return k < 0 ? qQNaN() : slot[static_cast<std::size_t>(k)][i];
    };
    const Column air(pour.airSensor > 0 ? r.series(pour.airSensor) : nullptr);
    std::vector<std::vector<double>> rates;
    for (int k : s.interior)
        if (const std::vector<double>* values = slot[static_cast<std::size_t>(k)].values())
            rates.push_back(CoolingRate::of(r.seconds(), *values));
    const QVector<int> filled = s.filledSlots();
    const auto limitOf = limitsByFigure(limits);

    StationSeries out;
    out.placingTemperature = pour.placingTemperature;
    out.placingAssumed = !pour.placingTemperature;
    out.uploads.resize(r.uploadCount());
    for (int i = 0; i < r.uploadCount(); ++i) {
        UploadFigures& u = out.uploads[i];
        double hottest = qQNaN();
        for (int k : filled)
            keepHottest(hottest, at(k, i));
        double core = qQNaN();
        for (int k : s.interior)
            keepHottest(core, at(k, i));
        double cooling = qQNaN();
        for (const std::vector<double>& rate : rates)
            keepHottest(cooling, rate[static_cast<std::size_t>(i)]);
        const double surface = at(s.surface, i);
        const double bottom = at(s.bottom, i);
        u[FigureKind::MaxTemperature].value = hottest;
        u[FigureKind::Core].value = core;
        u[FigureKind::Surface].value = surface;
        u[FigureKind::Bottom].value = bottom;
        u[FigureKind::Air].value = air[i];
        u[FigureKind::CoreSurface].value = core - surface;
        u[FigureKind::CoreBottom].value = core - bottom;
        u[FigureKind::CoolingRate].value = cooling;
        u[FigureKind::SurfaceAir].value = surface - air[i];
        if (!out.placingTemperature && !qIsNaN(core) &&
            (!pour.placedAt.isValid() || r.times()[i] >= pour.placedAt))
            out.placingTemperature = core;
        if (out.placingTemperature)
            u[FigureKind::Rise].value = core - *out.placingTemperature;
        const bool airJudged =
            pour.insulationRemovedAt.isValid() && r.times()[i] >= pour.insulationRemovedAt;
        for (int f = 0; f < FigureCount; ++f) {
            const auto& limit = limitOf[static_cast<std::size_t>(f)];
            if (limit && (airJudged || Figures::kind(f) != FigureKind::SurfaceAir)) {
                Figure& figure = u.figures[static_cast<std::size_t>(f)];
                figure.state = FigureStates::judge(figure.value, *limit, pour.warningShare);
            }
        }
    }
    return out;
}
