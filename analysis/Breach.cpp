#include "analysis/Breach.h"

#include "analysis/LimitSet.h"
#include "analysis/StationSeries.h"

#include <algorithm>

namespace analysis {

QVector<Breach> Breach::collect(const QVector<StationSeries>& stations, const LimitSet& limits) {
    QVector<Breach> log;
    for (int s = 0; s < stations.size(); ++s) {
        const QVector<UploadFigures>& uploads = stations[s].uploads;
        for (int i = 0; i < uploads.size(); ++i)
            for (int f = 0; f < FigureCount; ++f) {
                const FigureKind kind = Figures::kind(f);
                const Figure& figure = uploads[i][kind];
                if (figure.state != FigureState::Warning && figure.state != FigureState::Over)
                    continue;
                log.append({s, i, kind, figure.value, *limits.limit(*Figures::limitOf(kind)),
                            figure.state});
            }
    }
    std::stable_sort(log.begin(), log.end(),
                     [](const Breach& a, const Breach& b) { return a.upload < b.upload; });
    return log;
}

} // namespace analysis
