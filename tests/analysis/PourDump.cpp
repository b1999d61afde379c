#include "tests/analysis/PourDump.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/PourAnalysis.h"
#include "analysis/ReadingTime.h"
#include "store/StoreDb.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

using namespace analysis;

namespace {

QString number(std::optional<double> value) {
    return value ? QString::number(*value, 'g', 10) : QStringLiteral("-");
}

QStringList settingsLines(const AnalysisInputs& in) {
    const PourSettings& p = in.pour.settings;
    QStringList out{QStringList{p.project, ReadingTime::text(p.placedAt), number(p.placingTemperature),
                                ReadingTime::text(p.insulationRemovedAt), QString::number(p.airSensor),
                                p.limitSetName, number(p.warningShare)}
                        .join('|')};
    for (const StationRole& role : in.roles) {
        QStringList cells{role.station, QString::number(role.surfaceSlot), QString::number(role.bottomSlot)};
        for (const auto& depth : role.depths)
            cells << number(depth);
        out << cells.join('|');
    }
    for (const LimitSet& set : in.customSets) {
        QStringList cells{set.name};
        for (const auto& limit : set.limits)
            cells << number(limit);
        out << cells.join('|');
    }
    return out;
}

StoreResult readPour(const QString& address, int pourId, AnalysisInputs& in) {
    in.pour.id = pourId;
    StoreResult r = in.loadSettings(address);
    return r.ok() ? in.loadReadings(address) : r;
}

} // namespace

QStringList PourDump(const QString& address, int pourId, const QDateTime& now) {
    AnalysisInputs in;
    if (const StoreResult r = readPour(address, pourId, in); !r.ok())
        return {QStringLiteral("failed: ") + r.message()};
    QStringList out = settingsLines(in);
    const AnalysisResult result = PourAnalysis::compute(in, now);
    for (int s = 0; s < result.stations.size(); ++s)
        for (int u = 0; u < result.times().size(); ++u) {
            QStringList cells{result.stations[s].name, ReadingTime::text(result.times()[u])};
            for (const Figure& f : result.series[s].uploads[u].figures)
                cells << (f.has() ? QString::number(f.value, 'g', 10) : QStringLiteral("-")) +
                             QLatin1Char('/') + QString::number(static_cast<int>(f.state));
            out << cells.join('|');
        }
    out << QStringLiteral("breaches %1").arg(result.breaches.size());
    return out;
}

QStringList StrengthDump(const QString& address, int pourId) {
    AnalysisInputs in;
    if (const StoreResult r = readPour(address, pourId, in); !r.ok())
        return {QStringLiteral("failed: ") + r.message()};
    const PourSettings& p = in.pour.settings;
    QStringList out{p.mix.name, number(p.mix.designStrength), number(p.mix.maturity.datum),
                    number(p.mix.maturity.activationEnergy), number(p.mix.maturity.reference),
                    number(p.mix.calibrationTemperature), number(p.strengthTarget)};
    for (const CalibrationPair& pair : p.mix.pairs)
        out << number(pair.ageDays) + QLatin1Char(',') + number(pair.strength);
    out = QStringList{out.join('|')};
    PourAnalysis::countStrength(in);
    for (const StationStrength& station : in.strength->stations)
        for (const WeakestPoint& point : station.uploads)
            out << QString::number(point.maturity, 'g', 10) + QLatin1Char('|') + point.estimate.text();
    return out;
}

QStringList ReadingTables(const QString& address) {
    StoreDb db(address);
    if (!db.openDatabase(StoreDb::Access::ReadOnly).ok())
        return {QStringLiteral("cannot open")};
    QStringList out;
    for (const QString& table : {QStringLiteral("表1"), QStringLiteral("分组定义"), QStringLiteral("测量数据")}) {
        QSqlQuery q;
        if (!db.select(QStringLiteral("select * from [%1]").arg(table), q).ok())
            return {QStringLiteral("cannot read ") + table};
        QStringList rows;
        while (q.next()) {
            QStringList cells{table};
            for (int c = 0; c < q.record().count(); ++c)
                cells << q.value(c).toString();
            rows << cells.join('|');
        }
        // A server keeps no order of its rows.
        std::sort(rows.begin(), rows.end());
        out << rows;
    }
    return out;
}

bool AddStationRecord(const QString& address) {
    StoreDb db(address);
    return db.openDatabase().ok() &&
           db.exec(QStringLiteral("insert into [测量数据] ([myid], [接收日期], [接收时间], [站点编号], [t1], [t2]) "
                                  "values ('1', '2008-05-01', '08:00:00', '0001', '30', '45')"))
               .ok();
}
