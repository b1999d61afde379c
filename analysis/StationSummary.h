#pragma once

#include "analysis/Figure.h"

#include <QString>

namespace analysis {

struct StationSeries;

// A station over the monitoring, up to its end: its largest figures, how often it was in
// warning and over a limit, and the verdict.
struct StationSummary {
    enum class Verdict { NoData, Within, Warning, Over };

    // NaN where the figure never had a value. The largest cooling rate is never negative:
    // 0 for a station that only warmed.
    double maxTemperature;
    double maxCoreDifference;
    double maxCoolingRate;
    double maxRise;
    int warnings = 0;
    int overs = 0;
    Verdict verdict = Verdict::NoData;

    [[nodiscard]] static StationSummary of(const StationSeries& series);
    // "无数据", "正常", "有预警" or "有超限".
    [[nodiscard]] static QString verdictText(Verdict verdict);
};

} // namespace analysis
