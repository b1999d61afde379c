// bench_analysis [--dir DIR] [--uploads N]
//
// Builds (once, kept in DIR) a pour of N uploads of 999 readings, six hours apart, and 125
// stations of 8 sensors, with curing curves and a faulty reading now and then. Then times
// reading it and working out every figure of every station at every upload (the breach
// log, gaps and suspect sensors included), beside the SQLite shell reading 表1 once,
// sorted by date-time. Each is run three times; the best run counts. Then times the
// maturity and strength of every sensor on the same readings, against the figures. Last,
// on a copy split into 10 pours of 12 stations placed N/10 uploads apart, times the figures
// of the pour under monitoring (the newest) and of the oldest, against the whole store.
#include "analysis/AnalysisInputs.h"
#include "analysis/Mix.h"
#include "analysis/PourAnalysis.h"
#include "analysis/PourStore.h"
#include "analysis/PourStrength.h"
#include "bench/support/BenchSupport.h"
#include "grouping/GroupDefinitions.h"
#include "store/UploadSaver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>

using namespace analysis;

namespace {

constexpr int Runs = 3;
const QDateTime Placed(QDate(2008, 1, 1), QTime(8, 0), Qt::UTC);

QString stampOf(int upload) {
    return Placed.addSecs(qint64(upload) * 6 * 3600)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Curing curves: every station a stack of eight, the middle running hottest, rising for two
// days and falling slowly; every 97th reading faulty.
QString temperatureOf(int upload, int number) {
    if ((upload + number) % 97 == 0)
        return QStringLiteral("E1");
    const double pi = 3.14159265358979323846;
    const double age = upload * 6.0;
    const double depth = std::sin(pi * (((number - 1) % 8) + 0.5) / 8.0);
    const double heat = 45.0 * depth * (age / 48.0) * std::exp(1.0 - age / 48.0);
    return QString::number(18.0 + heat + (number % 13) * 0.1, 'f', 1);
}

bool buildBase(const QString& path, int uploads) {
    if (Bench::RowCount(path, QStringLiteral("表1")) == qint64(uploads) * 999)
        return true;
    QFile::remove(path);
    std::printf("building %d uploads x 999 readings in %s ...\n", uploads, qPrintable(path));
    std::fflush(stdout);
    for (int u = 0; u < uploads; ++u) {
        QVector<UploadSaver::ListRow> rows;
        for (int n = 1; n <= 999; ++n)
            rows.append({QString::number(n), temperatureOf(u, n)});
        const StoreResult r =
            UploadSaver::save(path, stampOf(u), UploadSaver::plan(rows, 1, 999, 0));
        if (!r.ok()) {
            std::printf("build failed: %s\n", qPrintable(r.message()));
            return false;
        }
    }
    // The store's first write of a setting makes its one pour, of every station, as for a
    // store of the older form; the settings are then that pour's.
    Pour pour;
    pour.id = 1;
    pour.settings.placedAt = Placed;
    pour.settings.airSensor = 999;
    pour.settings.insulationRemovedAt = Placed.addDays(uploads / 8);
    StoreResult r = Bench::SaveGroups(path);
    if (r.ok())
        r = PourStore::save(path, pour);
    if (!r.ok())
        std::printf("settings failed: %s\n", qPrintable(r.message()));
    return r.ok();
}

struct Timing {
    double total = -1;
    double read = 0;
    double compute = 0;
};

Timing analyse(const QString& path, AnalysisResult& result, int pourId = 0) {
    Timing timing;
    QElapsedTimer t;
    t.start();
    AnalysisInputs in;
    in.pour.id = pourId;
    const StoreResult settings = in.loadSettings(path);
    const StoreResult readings = in.loadReadings(path);
    if (!settings.ok() || !readings.ok()) {
        std::printf("analysis failed: %s%s\n", qPrintable(settings.message()),
                    qPrintable(readings.message()));
        return timing;
    }
    timing.read = t.nsecsElapsed() / 1e6;
    // The thermal figures alone: the strength is timed on its own below.
    in.strength = std::make_shared<const PourStrength>();
    result = PourAnalysis::compute(in, Placed.addYears(1));
    timing.total = t.nsecsElapsed() / 1e6;
    timing.compute = timing.total - timing.read;
    return timing;
}

// The maturity, strength and forecasts of every station on the analysed readings, in ms.
double strengthMs(const AnalysisResult& result, PourStrength& strength) {
    Mix mix;
    mix.name = QStringLiteral("C40");
    mix.designStrength = 40.0;
    mix.pairs = {{1, 10}, {3, 20}, {7, 28}, {28, 40}};
    QElapsedTimer t;
    t.start();
    strength = PourStrength::compute(*result.readings, result.stations, result.pour.settings, mix);
    return t.nsecsElapsed() / 1e6;
}

constexpr int Pours = 10;
constexpr int PourStations = 12;

// A copy of the store whose first 120 stations are 10 pours, each placed a tenth of the
// uploads after the one before and monitored for 28 days; the newest is still monitored.
// Their ids, oldest first, in `ids`.
bool splitIntoPours(const QString& base, const QString& path, int uploads, QVector<int>& ids) {
    QVector<GroupRow> groups;
    if (!Bench::CopyFile(base, path) || !GroupDefinitions::load(path, groups).ok())
        return false;
    for (int k = 0; k < Pours; ++k) {
        Pour pour;
        pour.settings.name = QStringLiteral("第%1段").arg(k + 1);
        pour.settings.placedAt = Placed.addSecs(qint64(uploads / Pours) * k * 6 * 3600);
        if (k + 1 < Pours)
            pour.settings.monitoringEndsAt = pour.settings.placedAt.addDays(28);
        pour.settings.airSensor = 999;
        for (int s = 0; s < PourStations; ++s)
            pour.stations << groups.value(k * PourStations + s).name;
        if (!PourStore::save(path, pour).ok())
            return false;
        ids << pour.id;
    }
    return true;
}

// The best of the runs of one pour's figures.
Timing bestOfPour(const QString& path, int pourId, AnalysisResult& result) {
    Timing best;
    for (int run = 0; run < Runs; ++run) {
        const Timing t = analyse(path, result, pourId);
        if (t.total > 0 && (best.total < 0 || t.total < best.total))
            best = t;
    }
    return best;
}

void reportPours(const QString& base, const QString& path, int uploads, double whole) {
    QVector<int> ids;
    if (!splitIntoPours(base, path, uploads, ids)) {
        std::printf("pours failed\n");
        return;
    }
    AnalysisResult result;
    const Timing newest = bestOfPour(path, ids.last(), result);
    std::printf("pour %s: stations %lld, uploads %d (reading %.1f, figures %.1f)\n",
                qPrintable(result.pour.title()), static_cast<long long>(result.stations.size()),
                result.readings->uploadCount(), newest.read, newest.compute);
    Bench::Report("the chosen pour of 10", newest.total, whole, "ratio 0.5", "store");
    const Timing oldest = bestOfPour(path, ids.first(), result);
    std::printf("pour %s: stations %lld, uploads %d (reading %.1f, figures %.1f)\n",
                qPrintable(result.pour.title()), static_cast<long long>(result.stations.size()),
                result.readings->uploadCount(), oldest.read, oldest.compute);
    Bench::Report("the oldest pour of 10", oldest.total, whole, "none", "store");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const Bench::Options options =
        Bench::ParseOptions(args, QStringLiteral("thermbook-bench-analysis"));
    const int uploads = options.uploads;
    const QString& base = options.work;
    if (!buildBase(base, uploads))
        return 1;
    std::printf("pour: %d uploads x 999 readings, 125 stations of 8 sensors, %.1f MB\n", uploads,
                QFileInfo(base).size() / 1048576.0);

    Timing ours;
    // The strength runs right after the figures of the same run, so both meet the same load;
    // the best of each counts.
    double figures = -1;
    double strengthBest = -1;
    double shell = -1;
    AnalysisResult result;
    PourStrength strength;
    for (int run = 0; run < Runs; ++run) {
        const Timing a = analyse(base, result);
        const double m = a.total > 0 ? strengthMs(result, strength) : -1;
        const double s = Bench::ShellMs(
            QString(), base, {QStringLiteral("select * from [表1] order by [日期时间];")});
        std::printf("  run %d: analysis %8.1f ms (reading %.1f, figures %.1f, strength %.1f)   "
                    "shell %8.1f ms\n",
                    run + 1, a.total, a.read, a.compute, m, s);
        if (a.total > 0 && (ours.total < 0 || a.total < ours.total))
            ours = a;
        if (a.total > 0 && (figures < 0 || a.compute < figures))
            figures = a.compute;
        if (m > 0 && (strengthBest < 0 || m < strengthBest))
            strengthBest = m;
        if (s > 0 && (shell < 0 || s < shell))
            shell = s;
    }
    if (ours.total < 0)
        return 1;
    Bench::Report("all figures of every station", ours.total, shell, "2000 ms, ratio 2");
    std::printf(
        "stations %lld, uploads %d, breach log %lld entries, gaps %lld, suspect sensors %lld\n",
        static_cast<long long>(result.stations.size()), result.readings->uploadCount(),
        static_cast<long long>(result.breaches.size()), static_cast<long long>(result.gaps.size()),
        static_cast<long long>(result.suspects.size()));
    Bench::Report("maturity and strength", strengthBest, figures, "ratio 0.5", "figures");
    std::printf("stations %lld, notices %lld\n", static_cast<long long>(strength.stations.size()),
                static_cast<long long>(strength.notices.size()));
    reportPours(base, QDir(options.dir).filePath(QStringLiteral("pours.mdb")), uploads, ours.total);
    return 0;
}
