// bench_store [--dir DIR] [--uploads N]
//
// Builds (once, kept in DIR) a database of N uploads of 999 readings, then measures on a
// fresh copy of it:
//   save    one 999-reading upload through UploadSaver (what Save2Mdb runs)
//   view    "by sensor, then time": time to the first screen, time to all rows, peak memory
//   times   GetUpdownTimeList
//   import  append-import of a backup holding all N x 999 readings
// and for each the SQLite shell's time for the same statements on the same file, with val()
// loaded from the bench's extension (for the first screen: the limited statement the view
// reads first). The view runs in a child process of its own, so its
// peak memory is the view's and not the build's.
#include "JetSql.h"
#include "ReadingLists.h"
#include "ReadingsLayout.h"
#include "ReadingsLoader.h"
#include "ReadingsMaintenance.h"
#include "ReadingsModel.h"
#include "StoreDb.h"
#include "UploadSaver.h"
#include "BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int ViewRuns = 3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The SQLite shell with val() loaded, running one statement, or a script file.
double shellMs(const QString& db, const QString& sql, bool fromFile = false) {
    return Bench::ShellMs(QStringLiteral(JETVAL_EXTENSION), db,
                          {fromFile ? QStringLiteral(".read ") + sql : sql});
}

const QString ViewSql =
    QStringLiteral("select * from [表1] order by val(编号) asc,[日期时间] desc");
const QString TimesSql = QStringLiteral("select distinct [日期时间] from [表1] where [日期时间] is "
                                        "not null order by [日期时间] desc");
const QString QuotedTimesSql = QStringLiteral("select * from [表1] order by [日期时间] desc");
const QString ImportSql = QStringLiteral(
    "attach database %1 as jet_in; insert into jet_in.[表1]([日期时间],[编号],[温度值]) "
    "select [日期时间],[编号],[温度值] from [表1];");

long peakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QString translated(const QString& sql) {
    return JetSql::translate(sql).sql;
}

void explain(const QString& db, const QString& sql) {
    StoreDb s(db);
    if (!s.openDatabase(StoreDb::Access::ReadOnly).ok())
        return;
    QSqlQuery q;
    if (!s.select(QStringLiteral("explain query plan ") + sql, q).ok())
        return;
    while (q.next())
        std::printf("    plan: %s\n", qPrintable(q.value(3).toString()));
}

// The child process of the view measurement.
int runView(const QString& db) {
    QTreeView view;
    ReadingsModel model;
    view.setModel(&model);
    view.header()->setStretchLastSection(false);
    view.resize(800, 600);
    view.show();
    QApplication::processEvents();

    QElapsedTimer t;
    t.start();
    const StoreResult r =
        model.fill(db, ReadingsLayout::of(ReadingsLayout::Fill::BySensorThenTime));
    if (!r.ok()) {
        std::printf("view failed: %s\n", qPrintable(r.message()));
        return 1;
    }
    const int screen = 30;
    while (model.rowCount() < screen && model.isLoading())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    view.viewport()->repaint();
    const double first = t.nsecsElapsed() / 1e6;
    const long firstPeak = peakKb();
    // The last row can be shown once every row is in and the view has scrolled to it.
    while (model.isLoading())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    view.scrollToBottom();
    view.viewport()->repaint();
    const double all = t.nsecsElapsed() / 1e6;
    std::printf("%.3f %.3f %d %ld %ld %s\n", first, all, model.rowCount(), firstPeak, peakKb(),
                qPrintable(model.text(0, 0) + QLatin1Char('|') + model.text(0, 1)));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--view"))
        return runView(args[2]);

    const Bench::Options options =
        Bench::ParseOptions(args, QStringLiteral("thermbook-bench-store"));
    const QString& dir = options.dir;
    const int uploads = options.uploads;
    const QString base = QDir(dir).filePath(QStringLiteral("base.mdb"));
    const QString work = QDir(dir).filePath(QStringLiteral("数据库.mdb"));
    const QString shellWork = QDir(dir).filePath(QStringLiteral("shell.mdb"));
    if (!Bench::BuildReadings(base, uploads))
        return 1;
    std::printf("database: %d x 999 readings, %.1f MB\n", uploads,
                QFileInfo(base).size() / 1048576.0);

    // Saving one upload.
    {
        Bench::CopyFile(base, work);
        Bench::CopyFile(base, shellWork);
        QVector<UploadSaver::ListRow> rows;
        for (int n = 1; n <= 999; ++n)
            rows.append({QString::number(n), Bench::TemperatureOf(uploads, n)});
        QElapsedTimer t;
        t.start();
        const auto readings = UploadSaver::plan(rows, 1, 999, 0);
        const StoreResult r = UploadSaver::save(work, Bench::StampOf(uploads), readings);
        const double ours = t.nsecsElapsed() / 1e6;
        if (!r.ok())
            std::printf("save failed: %s\n", qPrintable(r.message()));
        QTemporaryFile script;
        script.open();
        {
            QTextStream out(&script);
            out << "begin;\n";
            for (const auto& reading : readings)
                out << translated(QStringLiteral("Insert Into [表1]([日期时间],[编号],[温度值]) "
                                                 "values ('%1','%2','%3')")
                                      .arg(Bench::StampOf(uploads), reading.number, reading.temperature))
                    << ";\n";
            out << "commit;\n";
        }
        script.close();
        Bench::Report("Save2Mdb, 999 readings", ours, shellMs(shellWork, script.fileName(), true),
               "50 ms");
    }

    // The largest view, in a process of its own, and the shell's statements: the median of
    // three runs each, since one run on a shared machine can be off by half.
    {
        explain(work, translated(ViewSql));
        const QString firstSql =
            QStringLiteral("select * from (%1\n) limit %2")
                .arg(translated(ViewSql), QString::number(ReadingsLoader::PreviewRows));
        std::vector<double> first, all, shellFirst, shellAll;
        QStringList f;
        for (int run = 0; run < ViewRuns; ++run) {
            QProcess child;
            child.start(app.applicationFilePath(), {QStringLiteral("--view"), work});
            child.waitForFinished(600000);
            f = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char(' '));
            if (f.size() < 6) {
                std::printf("view child failed: %s\n", child.readAllStandardError().constData());
                break;
            }
            first.push_back(f[0].toDouble());
            all.push_back(f[1].toDouble());
            shellAll.push_back(shellMs(work, translated(ViewSql)));
            shellFirst.push_back(shellMs(work, firstSql));
        }
        if (f.size() >= 6) {
            Bench::Report("view by sensor: first screen", median(first), median(shellFirst),
                          "1000 ms");
            Bench::Report("view by sensor: all rows", median(all), median(shellAll), "-");
            std::printf("%-34s %10.1f MB at first screen, %.1f MB after all %s rows (limit "
                        "300 MB); first row %s\n",
                        "view peak memory", f[3].toLong() / 1024.0, f[4].toLong() / 1024.0,
                        qPrintable(f[2]), qPrintable(f.mid(5).join(QLatin1Char(' ')).trimmed()));
        }
    }

    // The upload-time list.
    {
        explain(work, translated(TimesSql));
        QElapsedTimer t;
        t.start();
        const QString list = ReadingLists::uploadTimeList(work);
        const double ours = t.nsecsElapsed() / 1e6;
        Bench::Report("GetUpdownTimeList", ours, shellMs(work, translated(TimesSql)), "500 ms");
        std::printf("%-34s %10s      shell %10.1f ms   (the walk over every row, for "
                    "reference)\n",
                    "", "", shellMs(work, translated(QuotedTimesSql)));
        std::printf("    %lld upload times\n",
                    static_cast<long long>(list.count(QLatin1Char('|'))));
    }

    // Append-import of a backup holding every reading of the base.
    {
        const QString backup = QDir(dir).filePath(QStringLiteral("backup.mdb"));
        Bench::CopyFile(base, backup);
        Bench::CopyFile(base, work);
        Bench::CopyFile(base, shellWork);
        QElapsedTimer t;
        t.start();
        const StoreResult r = ReadingsMaintenance::importFrom(work, backup);
        const double ours = t.nsecsElapsed() / 1e6;
        if (!r.ok())
            std::printf("import failed: %s\n", qPrintable(r.message()));
        Bench::Report("append-import of the backup", ours,
               shellMs(backup, ImportSql.arg(JetSql::quoted(shellWork))), "5000 ms");
        QFile::remove(backup);
    }
    QFile::remove(work);
    QFile::remove(shellWork);
    return 0;
}
