#include "FigureCalculator.h"

#include "CoolingRate.h"
#include "LimitSet.h"
#include "PourReadings.h"
#include "PourSettings.h"
#include "ReadingTime.h"
#include "Station.h"

#include <QtNumeric>

#include <algorithm>

namespace {

double hottest(const QVector<double>& values) {
    double best = qQNaN();
    for (double v : values)
        if (!qIsNaN(v) && (qIsNaN(best) || v > best))
            best = v;
    return best;
}

// Each slot's temperature at every upload.
std::array<QVector<double>, Station::Slots> slotSeries(const Station& s, const PourReadings& r) {
    std::array<QVector<double>, Station::Slots> series;
    for (int k = 0; k < Station::Slots; ++k) {
        QVector<double>& column = series[static_cast<std::size_t>(k)];
        column.resize(r.uploadCount());
        for (int i = 0; i < r.uploadCount(); ++i)
            column[i] = s.filled(k) ? r.at(i, s.sensor(k)) : qQNaN();
    }
    return series;
}

double valueAt(const QVector<double>& column, int i) {
    return column.isEmpty() ? qQNaN() : column[i];
}

void judge(UploadFigures& u, const LimitSet& limits, double share, bool airJudged) {
    for (int f = 0; f < FigureCount; ++f) {
        const FigureKind kind = Figures::kind(f);
        const auto limitKind = Figures::limitOf(kind);
        if (!limitKind || (kind == FigureKind::SurfaceAir && !airJudged))
            continue;
        if (const auto limit = limits.limit(*limitKind))
            u[kind].state = FigureStates::judge(u[kind].value, *limit, share);
    }
}

} // namespace

StationSeries FigureCalculator::compute(const Station& s, const PourReadings& r,
                                        const PourSettings& pour, const LimitSet& limits) {
    const auto perSlot = slotSeries(s, r);
    const auto slot = [&perSlot](int k) -> const QVector<double>& {
        static const QVector<double> none;
        return k < 0 ? none : perSlot[static_cast<std::size_t>(k)];
    };
    std::array<QVector<double>, Station::Slots> rates;
    for (int k : s.interior)
        rates[static_cast<std::size_t>(k)] = CoolingRate::of(r.seconds(), slot(k));

    StationSeries out;
    out.placingTemperature = pour.placingTemperature;
    out.placingAssumed = !pour.placingTemperature;
    out.uploads.resize(r.uploadCount());
    const QVector<int> filled = s.filledSlots();
    QVector<double> all;
    QVector<double> interior;
    QVector<double> interiorRates;
    for (int i = 0; i < r.uploadCount(); ++i) {
        UploadFigures& u = out.uploads[i];
        all.clear();
        interior.clear();
        interiorRates.clear();
        for (int k : filled)
            all.append(slot(k)[i]);
        for (int k : s.interior) {
            interior.append(slot(k)[i]);
            interiorRates.append(rates[static_cast<std::size_t>(k)][i]);
        }
        u[FigureKind::MaxTemperature].value = hottest(all);
        u[FigureKind::Core].value = hottest(interior);
        u[FigureKind::Surface].value = valueAt(slot(s.surface), i);
        u[FigureKind::Bottom].value = valueAt(slot(s.bottom), i);
        u[FigureKind::Air].value = pour.airSensor > 0 ? r.at(i, pour.airSensor) : qQNaN();
        const double core = u[FigureKind::Core].value;
        u[FigureKind::CoreSurface].value = core - u[FigureKind::Surface].value;
        u[FigureKind::CoreBottom].value = core - u[FigureKind::Bottom].value;
        u[FigureKind::CoolingRate].value = hottest(interiorRates);
        u[FigureKind::SurfaceAir].value = u[FigureKind::Surface].value - u[FigureKind::Air].value;
        if (!out.placingTemperature && !qIsNaN(core) &&
            (!pour.placedAt.isValid() || r.times()[i] >= pour.placedAt))
            out.placingTemperature = core;
        if (out.placingTemperature)
            u[FigureKind::Rise].value = core - *out.placingTemperature;
        const bool airJudged =
            pour.insulationRemovedAt.isValid() && r.times()[i] >= pour.insulationRemovedAt;
        judge(u, limits, pour.warningShare, airJudged);
    }
    return out;
}
