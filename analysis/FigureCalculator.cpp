#include "analysis/FigureCalculator.h"

#include "analysis/CoolingRate.h"
#include "analysis/KeepLarger.h"
#include "analysis/LimitSet.h"
#include "analysis/PourReadings.h"
#include "analysis/PourSettings.h"
#include "analysis/ReadingTime.h"
#include "analysis/Station.h"

#include <QtNumeric>

#include <limits>
#include <vector>

namespace analysis {

namespace {

// A column's values, or null for a slot that never reads.
const double* valuesOf(const std::vector<double>* column) {
    return column ? column->data() : nullptr;
}

double valueAt(const double* values, int i) {
    return values ? values[i] : qQNaN();
}

struct Judged {
    int figure;
    double limit;
};

// The figures this set has a limit for, with their limits.
std::vector<Judged> judgedFigures(const LimitSet& limits) {
    std::vector<Judged> out;
    for (int f = 0; f < FigureCount; ++f)
        if (const auto kind = Figures::limitOf(Figures::kind(f)))
            if (const auto limit = limits.limit(*kind))
                out.push_back({f, *limit});
    return out;
}

// Seconds of a moment, or the given bound when it is not set.
qint64 secondsOr(const QDateTime& moment, qint64 unset) {
    return moment.isValid() ? ReadingTime::seconds(moment) : unset;
}

} // namespace

StationSeries FigureCalculator::compute(const Station& s, const PourReadings& r,
                                        const PourSettings& pour, const LimitSet& limits) {
    // Every slot's readings as one column; the loop below runs once per upload of the pour.
    std::array<const double*, Station::Slots> slot{};
    for (int k : s.filledSlots())
        slot[static_cast<std::size_t>(k)] = valuesOf(r.series(s.sensor(k)));
    const auto column = [&slot](int k) { return k < 0 ? nullptr : slot[static_cast<std::size_t>(k)]; };
    const double* surfaceValues = column(s.surface);
    const double* bottomValues = column(s.bottom);
    const double* air = pour.airSensor > 0 ? valuesOf(r.series(pour.airSensor)) : nullptr;
    std::vector<const double*> all;
    for (int k : s.filledSlots())
        if (slot[static_cast<std::size_t>(k)])
            all.push_back(slot[static_cast<std::size_t>(k)]);
    std::vector<const double*> interior;
    std::vector<std::vector<double>> rates;
    for (int k : s.interior)
        if (const std::vector<double>* values = r.series(s.sensor(k))) {
            interior.push_back(values->data());
            rates.push_back(CoolingRate::of(r.seconds(), *values));
        }
    const std::vector<Judged> judged = judgedFigures(limits);
    const qint64 placed = secondsOr(pour.placedAt, std::numeric_limits<qint64>::min());
    const qint64 removed = secondsOr(pour.insulationRemovedAt, std::numeric_limits<qint64>::max());
    const qint64 ends = secondsOr(pour.monitoringEndsAt, std::numeric_limits<qint64>::max());
    const qint64* seconds = r.seconds().constData();

    StationSeries out;
    out.placingTemperature = pour.placingTemperature;
    out.placingAssumed = !pour.placingTemperature;
    out.uploads.resize(r.uploadCount());
    for (int i = 0; i < r.uploadCount(); ++i) {
        Figure* f = out.uploads[i].figures.data();
        const auto set = [f](FigureKind kind, double value) { f[Figures::index(kind)].value = value; };
        double hottest = qQNaN();
        for (const double* values : all)
            keepLarger(hottest, values[i]);
        double core = qQNaN();
        for (const double* values : interior)
            keepLarger(core, values[i]);
        double cooling = qQNaN();
        for (const std::vector<double>& rate : rates)
            keepLarger(cooling, rate[static_cast<std::size_t>(i)]);
        const double surface = valueAt(surfaceValues, i);
        const double bottom = valueAt(bottomValues, i);
        const double airValue = valueAt(air, i);
        set(FigureKind::MaxTemperature, hottest);
        set(FigureKind::Core, core);
        set(FigureKind::Surface, surface);
        set(FigureKind::Bottom, bottom);
        set(FigureKind::Air, airValue);
        set(FigureKind::CoreSurface, core - surface);
        set(FigureKind::CoreBottom, core - bottom);
        set(FigureKind::CoolingRate, cooling);
        set(FigureKind::SurfaceAir, surface - airValue);
        if (!out.placingTemperature && !qIsNaN(core) && seconds[i] >= placed)
            out.placingTemperature = core;
        if (out.placingTemperature)
            set(FigureKind::Rise, core - *out.placingTemperature);
        if (seconds[i] > ends)
            continue;
        out.judged = i + 1;
        const bool airJudged = seconds[i] >= removed;
        for (const Judged& j : judged)
            if (airJudged || j.figure != Figures::index(FigureKind::SurfaceAir))
                f[j.figure].state = FigureStates::judge(f[j.figure].value, j.limit, pour.warningShare);
    }
    return out;
}

} // namespace analysis
