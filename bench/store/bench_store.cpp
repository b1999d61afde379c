// bench_store [--dir DIR] [--uploads N]
//
// Builds (once, kept in DIR) a database of N uploads of 999 readings, then measures on a
// fresh copy of it:
//   save    a 999-reading upload through UploadSaver (what Save2Mdb runs), median of five
//   views   the four fixed views: time to the first screen, time to all rows, peak memory
//   times   GetUpdownTimeList
//   import  append-import of a backup holding all N x 999 readings
//   group   GroupData2Mdb with 125 groups of 8 sensors
// and for each the SQLite shell's time for the same statements on the same file, with val()
// loaded from the bench's extension (for the first screen: the limited statement the view
// reads first). Then the same readings on a PostgreSQL server (ServerColumn).
#include "bench/store/ServerColumn.h"
#include "bench/store/ViewTiming.h"
#include "bench/support/BenchSupport.h"
#include "grouping/GroupData2Mdb.h"
#include "store/JetSql.h"
#include "store/ReadingLists.h"
#include "store/ReadingsMaintenance.h"
#include "store/StoreDb.h"
#include "store/UploadSaver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstdio>

namespace {

// The SQLite shell with val() loaded, running one statement, or a script file.
double shellMs(const QString& db, const QString& sql, bool fromFile = false) {
    return Bench::ShellMs(QStringLiteral(JETVAL_EXTENSION), db,
                          {fromFile ? QStringLiteral(".read ") + sql : sql});
}

const QString TimesSql = QStringLiteral("select distinct [日期时间] from [表1] where [日期时间] is "
                                        "not null order by [日期时间] desc");
const QString QuotedTimesSql = QStringLiteral("select * from [表1] order by [日期时间] desc");
const QString ImportSql = QStringLiteral(
    "attach database %1 as jet_in; insert into jet_in.[表1]([日期时间],[编号],[温度值]) "
    "select [日期时间],[编号],[温度值] from [表1];");

QString translated(const QString& sql) {
    return JetSql::translate(sql).sql;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--view"))
        return ViewTiming::runChild(args[2], args[3]);

    const Bench::Options options =
        Bench::ParseOptions(args, QStringLiteral("thermbook-bench-store"));
    const QString& dir = options.dir;
    const int uploads = options.uploads;
    const QString& base = options.base;
    const QString& work = options.work;
    const QString& shellWork = options.shellWork;
    if (!Bench::BuildReadings(base, uploads))
        return 1;
    std::printf("database: %d x 999 readings, %.1f MB\n", uploads,
                QFileInfo(base).size() / 1048576.0);
    // A database made by an earlier version gains what it lacks at its first writable
    // opening; that is timed once here, so that the figures below are a current store's.
    {
        QElapsedTimer t;
        t.start();
        StoreDb db(base);
        const StoreResult r = db.openDatabase();
        std::printf("first writable opening of the database: %.1f ms%s\n", t.nsecsElapsed() / 1e6,
                    r.ok() ? "" : qPrintable(QStringLiteral(" (failed: %1)").arg(r.message())));
    }

    // Saving one upload: each run saves a new one, ours and the shell's in turns, on their
    // own copies of the base.
    {
        Bench::CopyFile(base, work);
        Bench::CopyFile(base, shellWork);
        QTemporaryFile script;
        script.open();
        script.close();
        const auto ours = [&](int run) { return Bench::TimedSave(work, uploads + 2 * run); };
        const auto reference = [&](int run) {
            const int upload = uploads + 2 * run + 1;
            QFile file(script.fileName());
            if (!file.open(QIODevice::WriteOnly))
                return -1.0;
            QTextStream out(&file);
            out << "begin;\n";
            for (const auto& reading : Bench::ReadingsOf(upload))
                out << translated(
                           QStringLiteral("Insert Into [表1]([日期时间],[编号],[温度值]) "
                                          "values ('%1','%2','%3')")
                               .arg(Bench::StampOf(upload), reading.number, reading.temperature))
                    << ";\n";
            out << "commit;\n";
            file.close();
            return shellMs(shellWork, script.fileName(), true);
        };
        const Bench::Timings t = Bench::MedianRuns(5, ours, reference);
        Bench::Report("Save2Mdb, 999 readings", t.ours, t.reference, "50 ms");
    }

    // The views.
    ViewTiming::measure(
        app.applicationFilePath(), work,
        [&work](const QString& sql) { return shellMs(work, translated(sql)); }, "shell",
        ViewTiming::firstScreenLimit(uploads));

    // The upload-time list.
    {
        Bench::PrintPlan(work, TimesSql);
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
    // The grouping run, with 125 groups of 8 sensors, and the server's run set against it.
    double fileGrouping = -1;
    {
        Bench::CopyFile(base, work);
        Bench::CopyFile(base, shellWork);
        StoreResult r = Bench::SaveGroups(work);
        if (r.ok())
            r = Bench::SaveGroups(shellWork);
        QElapsedTimer t;
        t.start();
        if (r.ok())
            r = GroupData2Mdb(work).result;
        fileGrouping = t.nsecsElapsed() / 1e6;
        if (!r.ok())
            std::printf("GroupData2Mdb failed: %s\n", qPrintable(r.message()));
        Bench::Report("GroupData2Mdb", fileGrouping,
                      shellMs(shellWork, QStringLiteral(GROUPING_SCRIPT), true), "1.5 x shell");
    }
    QFile::remove(work);
    QFile::remove(shellWork);

    ServerColumn(dir, uploads, app.applicationFilePath(), fileGrouping).run();
    return 0;
}
