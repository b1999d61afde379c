#include "analysis/SuspectSensor.h"

#include "analysis/PourReadings.h"
#include "analysis/PourSettings.h"
#include "analysis/ReadingTime.h"
#include "analysis/ScheduleWatch.h"
#include "analysis/Station.h"

#include <QtNumeric>

#include <cmath>

namespace analysis {

namespace {

struct JumpRule {
    qint64 windowSeconds;
    double limit;
    // The last upload judged, at the end of monitoring.
    int last;
};

void check(const PourReadings& r, SuspectSensor base, const JumpRule& jump,
           QVector<SuspectSensor>& out) {
    const std::vector<double>* values = r.series(base.sensor);
    if (!values)
        return;
    const int last = jump.last;
    int previous = -1;
    for (int i = 0; i <= last; ++i) {
        const double v = (*values)[static_cast<std::size_t>(i)];
        if (qIsNaN(v))
            continue;
        if (previous >= 0) {
            const double change = v - (*values)[static_cast<std::size_t>(previous)];
            // Readings one round apart are exactly one interval apart, and must be compared.
            if (r.seconds()[i] - r.seconds()[previous] <= jump.windowSeconds &&
                std::fabs(change) > jump.limit) {
                SuspectSensor s = base;
                s.reason = SuspectSensor::Reason::Jump;
                s.at = r.times()[i];
                s.since = r.times()[previous];
                s.change = change;
                out.append(s);
            }
        }
        previous = i;
    }
    if (previous >= 0 && previous < last) {
        SuspectSensor s = base;
        s.reason = SuspectSensor::Reason::LatestMissing;
        s.at = r.times()[last];
        out.append(s);
    }
}

} // namespace

QString SuspectSensor::description() const {
    if (reason == Reason::LatestMissing)
        return QStringLiteral("最近一次上传没有读数或读数为E1");
    return QStringLiteral("%1内变化%2℃")
        .arg(ScheduleWatch::span(since.secsTo(at)), QString::number(change, 'f', 1));
}

QVector<SuspectSensor> SuspectSensor::find(const PourReadings& readings,
                                           const QVector<Station>& stations,
                                           const PourSettings& pour) {
    int last = readings.uploadCount() - 1;
    while (last >= 0 && !pour.monitoredAt(readings.times()[last]))
        --last;
    const JumpRule jump{std::llround(pour.intervalHours * 3600.0), pour.jumpLimit, last};
    QVector<SuspectSensor> out;
    for (const Station& station : stations)
        for (int k : station.filledSlots()) {
            SuspectSensor base;
            base.sensor = station.sensor(k);
            base.station = station.name;
            base.slot = k + 1;
            check(readings, base, jump, out);
        }
    if (pour.airSensor > 0) {
        SuspectSensor base;
        base.sensor = pour.airSensor;
        check(readings, base, jump, out);
    }
    return out;
}

} // namespace analysis
