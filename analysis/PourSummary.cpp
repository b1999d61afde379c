#include "analysis/PourSummary.h"

#include "analysis/AnalysisResult.h"
#include "analysis/KeepLarger.h"

#include <algorithm>

namespace analysis {

PourSummary PourSummary::of(const AnalysisResult& result) {
    const PourSettings& p = result.pour.settings;
    PourSummary out{result.pour.title(), p.project, p.element, p.placedAt, p.monitoringEndsAt,
                    static_cast<int>(result.stations.size())};
    for (const StationSeries& series : result.series) {
        const StationSummary s = StationSummary::of(series);
        keepLarger(out.maxTemperature, s.maxTemperature);
        keepLarger(out.maxCoreDifference, s.maxCoreDifference);
        keepLarger(out.maxCoolingRate, s.maxCoolingRate);
        out.warnings += s.warnings;
        out.overs += s.overs;
        // The verdicts run from no data up to over a limit.
        out.verdict = std::max(out.verdict, s.verdict);
    }
    return out;
}

} // namespace analysis
