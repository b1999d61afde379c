#include "analysis/PourAnalysis.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/FigureCalculator.h"
#include "analysis/ReadingTime.h"
#include "analysis/SensorText.h"

#include <QSet>

namespace analysis {

namespace {

void noteInput(const AnalysisInputs& in, const AnalysisResult& out, bool setFound,
               QStringList& notes) {
    const PourReadings& r = *out.readings;
    if (r.unreadableRows > 0)
        notes << QStringLiteral("有%1条读数的日期时间无法识别（如“%2”），未计入分析。")
                     .arg(r.unreadableRows)
                     .arg(r.unreadableExample);
    if (r.uploadCount() == 0)
        notes << QStringLiteral("数据库中还没有上传数据。");
    else if (r.seconds().last() - r.seconds().first() < 24 * 3600)
        notes << QStringLiteral("上传数据还不满24小时，暂无降温速率。");
    if (in.groups.isEmpty())
        notes << QStringLiteral("尚未定义分组，没有可分析的站点。");
    if (!setFound)
        notes << QStringLiteral("限值组“%1”不存在，已改用%2。")
                     .arg(in.pour.limitSetName, out.limits.name);
    const PourSettings& p = in.pour;
    if (p.placedAt.isValid() && r.uploadCount() > 0 && p.placedAt > r.times().first())
        notes << QStringLiteral("浇筑时间（%1）晚于第一次上传（%2），请检查浇筑时间。")
                     .arg(ReadingTime::text(p.placedAt), ReadingTime::text(r.times().first()));
    if (!p.placingTemperature)
        notes << QStringLiteral("未填写入模温度：温升按各站点核心温度的第一次读数假定。");
    if (p.airSensor <= 0 && p.insulationRemovedAt.isValid())
        notes << QStringLiteral("保温已拆除，但未指定大气传感器，无法判断表气温差。");
    if (p.airSensor > 0 && r.uploadCount() > 0 && !r.everListed(p.airSensor))
        notes << QStringLiteral("大气传感器%1不在任何一次上传中。").arg(sensorText(p.airSensor));
}

void noteStation(const Station& s, const StationSeries& series, const PourReadings& r,
                 QStringList& notes) {
    const QString name = QStringLiteral("站点") + s.name;
    if (!s.roleProblem.isEmpty())
        notes << name + QStringLiteral("的角色设定不能使用（") + s.roleProblem +
                     QStringLiteral("），已按默认角色分析。");
    const QVector<int> filled = s.filledSlots();
    if (filled.isEmpty()) {
        notes << name + QStringLiteral("没有传感器。");
        return;
    }
    if (r.uploadCount() > 0 && series.latest() < 0)
        notes << name + QStringLiteral("没有任何读数。");
    if (!s.hasCore())
        notes << name + QStringLiteral("的表层测点与底层测点之间没有测点，没有核心温度、里表温差、"
                                       "温升和降温速率。");
    for (int k : filled)
        if (r.uploadCount() > 0 && !r.everListed(s.sensor(k)))
            notes << name + QStringLiteral("的第%1个测点（传感器%2）不在任何一次上传中。")
                                .arg(k + 1)
                                .arg(sensorText(s.sensor(k)));
}

} // namespace

AnalysisResult PourAnalysis::compute(const AnalysisInputs& in, const QDateTime& now) {
    AnalysisResult out;
    out.pour = in.pour;
    out.readings = in.readings;
    bool setFound = true;
    out.limits = LimitSet::choose(in.pour.limitSetName, in.customSets, &setFound);
    noteInput(in, out, setFound, out.notices);

    QSet<QString> names;
    for (const GroupRow& group : in.groups) {
        if (names.contains(group.name))
            out.notices << QStringLiteral("站点名称“%1”重复，各站点的角色设定相同。").arg(group.name);
        names.insert(group.name);
        const Station station = Station::resolve(group, StationRole::find(in.roles, group.name));
        out.stations.append(station);
        out.series.append(FigureCalculator::compute(station, *out.readings, out.pour, out.limits));
        noteStation(station, out.series.last(), *out.readings, out.notices);
    }
    out.breaches = Breach::collect(out.series, out.limits);
    out.gaps = UploadGap::find(out.readings->times(), out.pour.placedAt, out.pour.monitoringEndsAt,
                               now, out.pour.intervalHours);
    out.suspects = SuspectSensor::find(*out.readings, out.stations, out.pour);
    return out;
}

} // namespace analysis
