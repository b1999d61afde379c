#include "analysis/StrengthForecast.h"

#include "analysis/Calibration.h"
#include "analysis/ReadingTime.h"
#include "analysis/StationStrength.h"

#include <algorithm>
#include <cmath>

namespace analysis {

QString StrengthForecast::text() const {
    switch (status) {
    case Status::Reached:
        return QStringLiteral("已达到");
    case Status::At:
        return ReadingTime::shortText(at);
    case Status::NotGrowing:
        return QStringLiteral("按当前温度不增长");
    case Status::None:
    case Status::Beyond:
        break;
    }
    return {};
}

StrengthForecast StrengthForecast::of(const StationStrength& station,
                                      const Calibration& calibration, double share,
                                      const QVector<QDateTime>& times) {
    StrengthForecast f;
    f.share = share;
    const int latest = station.latest();
    if (!calibration.usable() || latest < 0)
        return f;
    const double required = calibration.maturityForShare(share);
    if (std::isnan(required)) {
        f.status = Status::Beyond;
        return f;
    }
    double hours = 0.0;
    for (const SensorSummary& s : station.sensors) {
        // A sensor that stopped reading earlier no longer counts in the weakest point.
        if (s.last != latest)
            continue;
        if (s.lastFactor >= required)
            continue;
        const double perHour = calibration.rule().factor(s.lastTemperature, 1.0);
        if (perHour <= 0.0) {
            f.status = Status::NotGrowing;
            return f;
        }
        hours = std::max(hours, (required - s.lastFactor) / perHour);
    }
    f.status = hours > 0.0 ? Status::At : Status::Reached;
    if (f.status == Status::At)
        f.at = times[latest].addSecs(std::llround(std::ceil(hours * 3600.0)));
    return f;
}

} // namespace analysis
