#pragma once

#include "analysis/Figure.h"
#include "analysis/FigureKind.h"

#include <QVector>

namespace analysis {

struct LimitSet;
struct StationSeries;

// One figure of one station at one upload above the warning share of its limit.
struct Breach {
    int station = 0;
    int upload = 0;
    FigureKind figure = FigureKind::MaxTemperature;
    double value = 0;
    double limit = 0;
    FigureState state = FigureState::Warning;

    // Every warning and every breach of every station, by upload, then station, then
    // figure.
    [[nodiscard]] static QVector<Breach> collect(const QVector<StationSeries>& stations,
                                                 const LimitSet& limits);
};

} // namespace analysis
