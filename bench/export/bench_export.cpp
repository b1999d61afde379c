// bench_export [--dir DIR]
//
// Builds a database of 100,000 readings and 10,000 station records in DIR (a temporary
// folder by default), then times
//   text      the query pane's largest view (by sensor, then time) to a text file
//   workbook  the same view to a new workbook
//   template  all stations' records into the report template
// each with the window's progress pacing and yielding as the program runs them, and the
// SQLite shell writing the view's rows to a file (.once) as the reference of the text export.

#include "bench/support/BenchSupport.h"
#include "common/Clock.h"
#include "reports/PaneExport.h"
#include "reports/ProgressPacer.h"
#include "reports/StationQuery.h"
#include "reports/StationWorkbook.h"
#include "store/JetSql.h"
#include "store/StoreDb.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Uploads = 100;
constexpr int Sensors = 1000;
constexpr int StationTimes = 1000;
constexpr int Stations = 10;

bool build(const QString& path) {
    StoreDb db(path);
    StoreResult r = db.openDatabase();
    if (r.ok())
        r = db.begin();
    QSqlQuery reading;
    if (r.ok())
        r = db.prepare(QStringLiteral("insert into [表1] values (?, ?, ?)"), reading);
    for (int u = 0; r.ok() && u < Uploads; ++u) {
        for (int n = 1; r.ok() && n <= Sensors; ++n) {
            reading.bindValue(0, Bench::StampOf(u));
            reading.bindValue(1, QString::number(n));
            reading.bindValue(2, QString::number(15 + (u * 37 + n * 11) % 4000 / 100.0));
            r = db.run(reading);
        }
    }
    QSqlQuery station;
    if (r.ok())
        r = db.prepare(
            QStringLiteral("insert into [测量数据] values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            station);
    for (int t = 0; r.ok() && t < StationTimes; ++t) {
        const QDateTime when = QDateTime(QDate(2008, 1, 1), QTime(8, 0)).addSecs(qint64(t) * 3600);
        for (int s = 1; r.ok() && s <= Stations; ++s) {
            station.bindValue(0, when.toString(QStringLiteral("yyyyMMddHHmmss")));
            station.bindValue(1, when.toString(QStringLiteral("yyyy-MM-dd")));
            station.bindValue(2, when.toString(QStringLiteral("HH:mm:ss")));
            station.bindValue(3, QStringLiteral("%1").arg(s, 4, 10, QLatin1Char('0')));
            for (int k = 0; k < 8; ++k)
                station.bindValue(4 + k, k == 7 ? QStringLiteral("255")
                                                : QString::number(20 + (t + k) % 300 / 10.0));
            r = db.run(station);
        }
    }
    if (r.ok())
        r = db.commit();
    if (!r.ok())
        std::printf("build failed: %s\n", qPrintable(r.message()));
    return r.ok();
}

// The SQLite shell writing the rows of a statement to a file; the wall time in ms, or -1.
double shellMs(const QString& db, const QString& sql, const QString& out) {
    return Bench::ShellMs(QStringLiteral(JETVAL_EXTENSION), db,
                          {QStringLiteral(".once ") + out, JetSql::translate(sql).sql});
}

// Times one export, pacing and yielding as the windows do.
template <typename Export> double timed(Clock& clock, int scale, Export run) {
    ProgressPacer pacer(clock, scale);
    int shown = 0;
    QElapsedTimer t;
    t.start();
    const ExportResult result = run(pacer.reporter([&shown](int) { ++shown; }));
    const double ms = t.nsecsElapsed() / 1e6;
    if (result.kind != ExportResult::Kind::Written) {
        std::printf("  export failed: %s\n", qPrintable(result.message));
        return -1;
    }
    std::printf("  (progress shown %d times)\n", shown);
    return ms;
}

void report(const char* what, double ms, double limitMs) {
    std::printf("%-40s %9.1f ms   (target <= %.0f ms)\n", what, ms, limitMs);
    std::fflush(stdout);
}

double fileMb(const QString& path) {
    return QFileInfo(path).size() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    QString dir = temporary.path();
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--dir")); i > 0 && i + 1 < args.size())
        dir = args[i + 1];
    QDir().mkpath(dir);
    const QString dbPath = QDir(dir).filePath(QStringLiteral("数据库.mdb"));
    QFile::remove(dbPath);
    std::printf("building %d readings and %d station records in %s ...\n", Uploads * Sensors,
                StationTimes * Stations, qPrintable(dir));
    if (!build(dbPath))
        return 1;

    SystemClock clock;
    const PaneQuery pane{ReadingsLayout::of(ReadingsLayout::Fill::BySensorThenTime), {}};
    const QString text = QDir(dir).filePath(QStringLiteral("pane.txt"));
    const double textMs = timed(clock, 100, [&](const ExportProgress& progress) {
        return PaneExport::toText(dbPath, pane, text, progress);
    });
    const double shell =
        shellMs(dbPath, pane.statement(dbPath), QDir(dir).filePath(QStringLiteral("shell.txt")));
    report("pane to text (100,000 rows)", textMs, 1000);
    std::printf("%-40s %9.1f ms   ratio text / shell %.2f   (%.1f MB against %.1f MB)\n",
                "sqlite3 shell .once, same statement", shell, shell > 0 ? textMs / shell : 0.0,
                fileMb(text), fileMb(QDir(dir).filePath(QStringLiteral("shell.txt"))));

    const QString workbook = QDir(dir).filePath(QStringLiteral("pane.xlsx"));
    QFile::remove(workbook);
    report("pane to new workbook (100,000 rows)",
           timed(clock, 100,
                 [&](const ExportProgress& progress) {
                     return PaneExport::toWorkbook(dbPath, pane, workbook, progress);
                 }),
           3000);

    const QString filled = QDir(dir).filePath(QStringLiteral("stations.xlsx"));
    const StationQuery all{StationQuery::AllStations, QDate(2008, 1, 1), QDate(2008, 12, 31)};
    report("stations into template (10,000 records)",
           timed(clock, 1000,
                 [&](const ExportProgress& progress) {
                     return StationWorkbook::write(dbPath, QStringLiteral(REPORT_TEMPLATE), filled,
                                                   all, progress);
                 }),
           3000);
    return 0;
}
