#include "analysis/PourStrength.h"

#include "analysis/MaturityRates.h"
#include "analysis/MaturityStart.h"
#include "analysis/Mix.h"
#include "analysis/PourReadings.h"
#include "analysis/PourSettings.h"
#include "analysis/ReadingTime.h"
#include "analysis/SensorMaturity.h"
#include "analysis/SensorText.h"
#include "analysis/Station.h"

#include <cmath>

namespace analysis {

namespace {

// Where counting starts, or none when it cannot, with the reason in the notices.
std::optional<MaturityStart> startOf(const PourReadings& r, const PourSettings& pour,
                                     QStringList& notices) {
    if (r.uploadCount() == 0)
        return std::nullopt;
    if (pour.placedAt.isValid() && pour.placedAt > r.times().last()) {
        notices << QStringLiteral("浇筑时间（%1）晚于最后一次上传（%2），无法计算成熟度和强度。")
                       .arg(ReadingTime::text(pour.placedAt), ReadingTime::text(r.times().last()));
        return std::nullopt;
    }
    if (!pour.placedAt.isValid())
        notices << QStringLiteral("未填写浇筑时间：成熟度从第一次上传算起，推定强度偏低。");
    // A stretch longer than two measuring rounds has lost at least one whole round.
    return MaturityStart{pour.placedAt.isValid() ? pour.placedAt : r.times().first(),
                         pour.placingTemperature, 2.0 * pour.intervalHours};
}

void noteCalibration(const Calibration& c, QStringList& notices) {
    if (!c.given())
        notices << QStringLiteral("配合比没有标定数据：只给出成熟度和等效龄期，不推定强度。");
    else if (!c.usable())
        notices << QStringLiteral("标定数据不能使用：%1只给出成熟度和等效龄期，不推定强度。")
                       .arg(c.problem());
}

QVector<double> usableTargets(const QVector<double>& targets, QStringList& notices) {
    QVector<double> out;
    for (double share : targets) {
        if (share > 0.0 && std::isfinite(share))
            out.append(share);
        else
            notices << QStringLiteral("强度目标（%1）不是正数，已忽略。").arg(share);
    }
    return out;
}

void noteStation(const Station& station, const StationStrength& s, const PourReadings& r,
                 QStringList& notices) {
    const QString name = QStringLiteral("站点") + station.name;
    const int latest = s.latest();
    QDateTime firstLong;
    int longCount = 0;
    for (const SensorSummary& m : s.sensors) {
        for (const UploadGap& gap : m.longStretches)
            if (longCount++ == 0 || gap.from < firstLong)
                firstLong = gap.from;
        if (m.last >= 0 && m.last < latest)
            notices << name + QStringLiteral("的传感器%1在%2之后没有读数，此后不计入最弱点。")
                                  .arg(sensorText(m.sensor), ReadingTime::text(r.times()[m.last]));
    }
    if (longCount > 0)
        notices << name +
                       QStringLiteral("有%1处长时间没有读数（最早自%2起），成熟度按前后读数衔接，"
                                      "此后的数值已标记，仅供参考。")
                           .arg(longCount)
                           .arg(ReadingTime::text(firstLong));
}

} // namespace

SensorMaturity PourStrength::sensor(const PourReadings& readings, int number) const {
    if (!start)
        return {};
    return SensorMaturity::of(readings, number, *start, MaturityRates(calibration.rule()));
}

PourStrength PourStrength::compute(const PourReadings& readings, const QVector<Station>& stations,
                                   const PourSettings& pour, const Mix& mix,
                                   const QVector<double>& targets) {
    PourStrength out;
    out.calibration = Calibration::of(mix);
    if (const QString problem = mix.maturity.problem(); !problem.isEmpty()) {
        out.notices << QStringLiteral("成熟度参数有误：%1无法计算成熟度和强度。").arg(problem);
        return out;
    }
    out.start = startOf(readings, pour, out.notices);
    if (!out.start)
        return out;
    noteCalibration(out.calibration, out.notices);
    out.targets = usableTargets(targets, out.notices);
    const MaturityRates rates(mix.maturity);
    for (const Station& station : stations) {
        StationStrength s = StationStrength::count(station, readings, *out.start, rates);
        s.estimate(out.calibration, out.targets, readings.times());
        noteStation(station, s, readings, out.notices);
        out.stations.append(std::move(s));
    }
    return out;
}

} // namespace analysis
