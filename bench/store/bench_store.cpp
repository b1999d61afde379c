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

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTreeView>

#include <cstdio>

namespace {

const QString ViewSql =
    QStringLiteral("select * from [表1] order by val(编号) asc,[日期时间] desc");
const QString TimesSql = QStringLiteral("select distinct [日期时间] from [表1] where [日期时间] is "
                                        "not null order by [日期时间] desc");
const QString QuotedTimesSql = QStringLiteral("select * from [表1] order by [日期时间] desc");
const QString ImportSql = QStringLiteral(
    "attach database %1 as jet_in; insert into jet_in.[表1]([日期时间],[编号],[温度值]) "
    "select [日期时间],[编号],[温度值] from [表1];");

QString stampOf(int upload) {
    const QDateTime base(QDate(2008, 1, 1), QTime(8, 0));
    return base.addSecs(qint64(upload) * 6 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString temperatureOf(int upload, int number) {
    const int t = (upload * 37 + number * 11) % 9000;
    return QString::number(t / 100.0 - 10.0, 'f', 2);
}

long peakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

bool buildBase(const QString& path, int uploads) {
    {
        StoreDb db(path);
        if (db.openDatabase().ok()) {
            QSqlQuery q;
            if (db.select(QStringLiteral("select count(*) from [表1]"), q).ok() && q.next() &&
                q.value(0).toLongLong() == qint64(uploads) * 999)
                return true;
        }
    }
    QFile::remove(path);
    std::printf("building %d uploads x 999 readings in %s ...\n", uploads, qPrintable(path));
    std::fflush(stdout);
    QElapsedTimer t;
    t.start();
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
    std::printf("built in %.1f s\n", t.elapsed() / 1000.0);
    return true;
}

bool copyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to);
}

// Runs the SQLite shell with val() loaded; returns the wall time in ms, or -1.
double shellMs(const QString& db, const QString& sql, bool fromFile = false) {
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty())
        return -1;
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QStringList args{QStringLiteral("-bail"), QStringLiteral("-cmd"),
                     QStringLiteral(".load ") + QStringLiteral(JETVAL_EXTENSION), db};
    args.append(fromFile ? QStringLiteral(".read ") + sql : sql);
    QElapsedTimer t;
    t.start();
    p.start(shell, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        std::printf("  shell failed: %s\n", p.readAllStandardError().constData());
        return -1;
    }
    return t.nsecsElapsed() / 1e6;
}

void report(const char* what, double ours, double shell, const char* limit) {
    std::printf("%-34s %10.1f ms   shell %10.1f ms   ratio %5.2f   (limit %s)\n", what, ours, shell,
                shell > 0 ? ours / shell : 0.0, limit);
    std::fflush(stdout);
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

    QString dir = QDir::temp().filePath(QStringLiteral("thermbook-bench-store"));
    int uploads = 1000;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--dir"))
            dir = args[i + 1];
        else if (args[i] == QLatin1String("--uploads"))
            uploads = args[i + 1].toInt();
    }
    QDir().mkpath(dir);
    const QString base = QDir(dir).filePath(QStringLiteral("base.mdb"));
    const QString work = QDir(dir).filePath(QStringLiteral("数据库.mdb"));
    const QString shellWork = QDir(dir).filePath(QStringLiteral("shell.mdb"));
    if (!buildBase(base, uploads))
        return 1;
    std::printf("database: %d x 999 readings, %.1f MB\n", uploads,
                QFileInfo(base).size() / 1048576.0);

    // Saving one upload.
    {
        copyFile(base, work);
        copyFile(base, shellWork);
        QVector<UploadSaver::ListRow> rows;
        for (int n = 1; n <= 999; ++n)
            rows.append({QString::number(n), temperatureOf(uploads, n)});
        QElapsedTimer t;
        t.start();
        const auto readings = UploadSaver::plan(rows, 1, 999, 0);
        const StoreResult r = UploadSaver::save(work, stampOf(uploads), readings);
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
                                      .arg(stampOf(uploads), reading.number, reading.temperature))
                    << ";\n";
            out << "commit;\n";
        }
        script.close();
        report("Save2Mdb, 999 readings", ours, shellMs(shellWork, script.fileName(), true),
               "50 ms");
    }

    // The largest view, in a process of its own.
    {
        explain(work, translated(ViewSql));
        QProcess child;
        child.start(app.applicationFilePath(), {QStringLiteral("--view"), work});
        child.waitForFinished(600000);
        const QStringList f =
            QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char(' '));
        if (f.size() < 6) {
            std::printf("view child failed: %s\n", child.readAllStandardError().constData());
        } else {
            const double shell = shellMs(work, translated(ViewSql));
            const double shellFirst = shellMs(
                work, QStringLiteral("select * from (%1\n) limit %2")
                          .arg(translated(ViewSql), QString::number(ReadingsLoader::PreviewRows)));
            report("view by sensor: first screen", f[0].toDouble(), shellFirst, "1000 ms");
            report("view by sensor: all rows", f[1].toDouble(), shell, "-");
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
        report("GetUpdownTimeList", ours, shellMs(work, translated(TimesSql)), "500 ms");
        std::printf("%-34s %10s      shell %10.1f ms   (the walk over every row, for "
                    "reference)\n",
                    "", "", shellMs(work, translated(QuotedTimesSql)));
        std::printf("    %lld upload times\n",
                    static_cast<long long>(list.count(QLatin1Char('|'))));
    }

    // Append-import of a backup holding every reading of the base.
    {
        const QString backup = QDir(dir).filePath(QStringLiteral("backup.mdb"));
        copyFile(base, backup);
        copyFile(base, work);
        copyFile(base, shellWork);
        QElapsedTimer t;
        t.start();
        const StoreResult r = ReadingsMaintenance::importFrom(work, backup);
        const double ours = t.nsecsElapsed() / 1e6;
        if (!r.ok())
            std::printf("import failed: %s\n", qPrintable(r.message()));
        report("append-import of the backup", ours,
               shellMs(backup, ImportSql.arg(JetSql::quoted(shellWork))), "5000 ms");
        QFile::remove(backup);
    }
    QFile::remove(work);
    QFile::remove(shellWork);
    return 0;
}
