#include "analysis/PourAnalysis.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/FigureCalculator.h"
#include "analysis/ReadingTime.h"
#include "analysis/SensorText.h"

#include <QSet>

namespace analysis {

namespace {

// At most this many stations are named in a notice; the rest are counted.
constexpr int NamedStations = 10;

QString stationList(const QStringList& names) {
    QString text = names.mid(0, NamedStations).join(QStringLiteral("、"));
    return names.size() > NamedStations ? text + QStringLiteral("等") : text;
}

void notePours(const AnalysisInputs& in, QStringList& notes) {
    if (in.pours.isEmpty() && !in.groups.isEmpty())
        notes << QStringLiteral("尚未建立浇筑，请点“新建浇筑”，再用“分配站点”把站点分配给它。");
    else if (!in.pours.isEmpty() && in.pourGroups().isEmpty() && !in.groups.isEmpty())
        notes << QStringLiteral("浇筑“%1”还没有站点，请用“分配站点”把站点分配给它。").arg(in.pour.title());
    const QStringList unassigned = in.unassigned();
    if (!in.pours.isEmpty() && !unassigned.isEmpty())
        notes << QStringLiteral("有%1个站点未分配到任何浇筑：%2。")
                     .arg(unassigned.size())
                     .arg(stationList(unassigned));
    int sameName = 0;
    for (const Pour& other : in.pours)
        sameName += other.settings.name.trimmed() == in.pour.settings.name.trimmed() ? 1 : 0;
    if (sameName > 1)
        notes << QStringLiteral("有%1个浇筑都名为“%2”，请用“编辑”改名，以免混淆。")
                     .arg(sameName)
                     .arg(in.pour.title());
}

void noteReadings(const PourSettings& p, const PourReadings& r, bool several, QStringList& notes) {
    if (r.unreadableRows > 0)
        notes << QStringLiteral("有%1条读数的日期时间无法识别（如“%2”），未计入分析。")
                     .arg(r.unreadableRows)
                     .arg(r.unreadableExample);
    if (r.uploadCount() == 0 && p.placedAt.isValid())
        notes << QStringLiteral("浇筑时间（%1）之后还没有上传数据，请检查浇筑时间。")
                     .arg(ReadingTime::text(p.placedAt));
    else if (r.uploadCount() == 0)
        notes << QStringLiteral("数据库中还没有上传数据。");
    else if (r.seconds().last() - r.seconds().first() < 24 * 3600)
        notes << QStringLiteral("上传数据还不满24小时，暂无降温速率。");
    if (!p.placedAt.isValid() && several)
        notes << QStringLiteral("未填写浇筑时间：所有上传数据都计入本浇筑，请在“编辑”中填写。");
    if (r.uploadCount() > 0 && !p.monitoredAt(r.times().last()))
        notes << QStringLiteral("监测结束时间（%1）之后的上传数据只显示，不判定。")
                     .arg(ReadingTime::text(p.monitoringEndsAt));
}

void noteSettings(const AnalysisInputs& in, const AnalysisResult& out, bool setFound,
                  QStringList& notes) {
    const PourSettings& p = out.pour.settings;
    const PourReadings& r = *out.readings;
    if (in.groups.isEmpty())
        notes << QStringLiteral("尚未定义分组，没有可分析的站点。");
    if (!setFound)
        notes << QStringLiteral("限值组“%1”不存在，已改用%2。").arg(p.limitSetName, out.limits.name);
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

// The readings that count for the pour: none from before its placing.
std::shared_ptr<const PourReadings> placedReadings(const std::shared_ptr<const PourReadings>& all,
                                                   const PourSettings& pour) {
    if (all->uploadCount() == 0 || pour.placedBy(all->times().first()))
        return all;
    return std::make_shared<PourReadings>(all->since(pour.placedAt));
}

QVector<Station> stationsOf(const AnalysisInputs& in) {
    QVector<Station> out;
    for (const GroupRow& group : in.pourGroups())
        out.append(Station::resolve(group, StationRole::find(in.roles, group.name)));
    return out;
}

std::shared_ptr<const PourStrength> strengthOf(const PourReadings& readings,
                                               const QVector<Station>& stations,
                                               const PourSettings& pour) {
    return std::make_shared<const PourStrength>(
        PourStrength::compute(readings, stations, pour, pour.mix, {pour.strengthTarget}));
}

} // namespace

void PourAnalysis::countStrength(AnalysisInputs& in) {
    in.strength = strengthOf(*placedReadings(in.readings, in.pour.settings), stationsOf(in),
                             in.pour.settings);
}

AnalysisResult PourAnalysis::compute(const AnalysisInputs& in, const QDateTime& now) {
    AnalysisResult out;
    out.pour = in.pour;
    const PourSettings& pour = out.pour.settings;
    out.readings = placedReadings(in.readings, pour);
    bool setFound = true;
    out.limits = LimitSet::choose(pour.limitSetName, in.customSets, &setFound);
    notePours(in, out.notices);
    noteReadings(pour, *out.readings, in.pours.size() > 1, out.notices);
    noteSettings(in, out, setFound, out.notices);

    QSet<QString> names;
    out.stations = stationsOf(in);
    for (const Station& station : out.stations) {
        if (names.contains(station.name))
            out.notices << QStringLiteral("站点名称“%1”重复，各站点的角色设定相同。").arg(station.name);
        names.insert(station.name);
        out.series.append(FigureCalculator::compute(station, *out.readings, pour, out.limits));
        noteStation(station, out.series.last(), *out.readings, out.notices);
    }
    out.strength = in.strength ? in.strength : strengthOf(*out.readings, out.stations, pour);
    out.notices << out.strength->notices;
    out.breaches = Breach::collect(out.series, out.limits);
    out.gaps = UploadGap::find(out.readings->times(), pour.placedAt, pour.monitoringEndsAt, now,
                               pour.intervalHours);
    out.suspects = SuspectSensor::find(*out.readings, out.stations, pour);
    return out;
}

} // namespace analysis
