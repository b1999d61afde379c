#include "analysis/SuspectSensor.h"

#include "analysis/PourReadings.h"
#include "analysis/ReadingTime.h"
#include "analysis/ScheduleWatch.h"
#include "analysis/Station.h"

#include <QtNumeric>

#include <cmath>

namespace {

void check(const PourReadings& r, SuspectSensor base, double jumpLimit,
           QVector<SuspectSensor>& out) {
    const std::vector<double>* values = r.series(base.sensor);
    if (!values)
        return;
    const int last = r.uploadCount() - 1;
    int previous = -1;
    const auto window = static_cast<qint64>(SuspectSensor::JumpWindowHours * 3600.0);
    for (int i = 0; i <= last; ++i) {
        const double v = (*values)[static_cast<std::size_t>(i)];
        if (qIsNaN(v))
            continue;
        if (previous >= 0) {
            const double change = v - (*values)[static_cast<std::size_t>(previous)];
            if (r.seconds()[i] - r.seconds()[previous] < window && std::fabs(change) > jumpLimit) {
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
                                           const QVector<Station>& stations, int airSensor,
                                           double jumpLimit) {
    QVector<SuspectSensor> out;
    for (const Station& station : stations)
        for (int k : station.filledSlots()) {
            SuspectSensor base;
            base.sensor = station.sensor(k);
            base.station = station.name;
            base.slot = k + 1;
            check(readings, base, jumpLimit, out);
        }
    if (airSensor > 0) {
        SuspectSensor base;
        base.sensor = airSensor;
        check(readings, base, jumpLimit, out);
    }
    return out;
}
