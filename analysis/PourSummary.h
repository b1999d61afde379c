#pragma once

#include "analysis/StationSummary.h"

#include <QDateTime>
#include <QString>
#include <QtNumeric>

namespace analysis {

struct AnalysisResult;

// A pour over its monitoring, for the project summary: its data, how many stations it has,
// the largest figures of any of them, the warnings and breaches of all, and the worst
// verdict.
struct PourSummary {
    QString name;
    QString project;
    QString element;
    QDateTime placedAt;
    QDateTime monitoringEndsAt;
    int stations = 0;
    // NaN where no station had the figure.
    double maxTemperature = qQNaN();
    double maxCoreDifference = qQNaN();
    double maxCoolingRate = qQNaN();
    int warnings = 0;
    int overs = 0;
    StationSummary::Verdict verdict = StationSummary::Verdict::NoData;

    [[nodiscard]] static PourSummary of(const AnalysisResult& result);
};

} // namespace analysis
