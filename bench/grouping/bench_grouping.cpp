// bench_grouping [--dir DIR] [--uploads N]
//
// Builds (once, kept in DIR) a database of N uploads of 999 readings and 125 groups of 8
// sensors, then on fresh copies of it times GroupData2Mdb, and the SQLite shell running
// the fixed reference script (reference.sql, val() loaded from the bench extension).
// Both must build the same 测量数据; the bench says whether they did.
#include "BulkGroups.h"
#include "GroupData2Mdb.h"
#include "GroupDefinitions.h"
#include "StoreDb.h"
#include "UploadSaver.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>

#include <cstdio>

namespace {

QString stampOf(int upload) {
    const QDateTime base(QDate(2008, 1, 1), QTime(8, 0));
    return base.addSecs(qint64(upload) * 6 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString temperatureOf(int upload, int number) {
    const int t = (upload * 37 + number * 11) % 9000;
    // Every 97th reading is faulty, as the recorder marks it.
    return number % 97 == 0 ? QStringLiteral("E1") : QString::number(t / 100.0 - 10.0, 'f', 2);
}

qint64 count(const QString& path, const QString& table) {
    StoreDb db(path);
    QSqlQuery q;
    if (!db.openDatabase(StoreDb::Access::ReadOnly).ok() ||
        !db.select(QStringLiteral("select count(*) from [%1]").arg(table), q).ok() || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

bool buildBase(const QString& path, int uploads) {
    if (count(path, QStringLiteral("表1")) == qint64(uploads) * 999 &&
        count(path, QStringLiteral("分组定义")) == 125)
        return true;
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
    const StoreResult r = GroupDefinitions::save(
        path, BulkGroups::generate(QStringLiteral("8"), QStringLiteral("1"), QStringLiteral("1"),
                                   QStringLiteral("1000")));
    if (!r.ok()) {
        std::printf("groups failed: %s\n", qPrintable(r.message()));
        return false;
    }
    std::printf("built in %.1f s\n", t.elapsed() / 1000.0);
    return true;
}

bool copyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to);
}

// The records in stored order, as one digest, and their number.
QByteArray recordsDigest(const QString& path, qint64& rows) {
    rows = 0;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    StoreDb db(path);
    QSqlQuery q;
    if (!db.openDatabase(StoreDb::Access::ReadOnly).ok() ||
        !db.select(QStringLiteral("select * from [测量数据] order by rowid"), q).ok())
        return {};
    while (q.next()) {
        ++rows;
        for (int c = 0; c < 12; ++c)
            hash.addData((q.value(c).toString() + QLatin1Char('|')).toUtf8());
        hash.addData("\n");
    }
    return hash.result().toHex();
}

// Runs the reference script in the SQLite shell; the wall time in ms, or -1.
double shellMs(const QString& db) {
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) {
        std::printf("  no sqlite3 shell found\n");
        return -1;
    }
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    const QStringList args{QStringLiteral("-bail"), QStringLiteral("-cmd"),
                           QStringLiteral(".load ") + QStringLiteral(JETVAL_EXTENSION), db,
                           QStringLiteral(".read ") + QStringLiteral(REFERENCE_SCRIPT)};
    QElapsedTimer t;
    t.start();
    p.start(shell, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        std::printf("  shell failed: %s\n", p.readAllStandardError().constData());
        return -1;
    }
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString dir = QDir::temp().filePath(QStringLiteral("thermbook-bench-grouping"));
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
    std::printf("database: %d x 999 readings, 125 groups of 8 sensors, %.1f MB\n", uploads,
                QFileInfo(base).size() / 1048576.0);

    copyFile(base, work);
    copyFile(base, shellWork);
    QElapsedTimer t;
    t.start();
    const GroupingRun run = GroupData2Mdb(work);
    const double ours = t.nsecsElapsed() / 1e6;
    if (!run.result.ok()) {
        std::printf("GroupData2Mdb failed: %s\n", qPrintable(run.result.message()));
        return 1;
    }
    const double shell = shellMs(shellWork);

    qint64 ourRows = 0;
    qint64 shellRows = 0;
    const QByteArray ourDigest = recordsDigest(work, ourRows);
    const QByteArray shellDigest = recordsDigest(shellWork, shellRows);
    std::printf("%-40s %10.1f ms   shell %10.1f ms   ratio %5.2f   (limits 3000 ms, ratio 1.5)\n",
                "GroupData2Mdb", ours, shell, shell > 0 ? ours / shell : 0.0);
    std::printf("records: %lld (shell %lld), %s\n", static_cast<long long>(ourRows),
                static_cast<long long>(shellRows),
                ourDigest == shellDigest && ourRows > 0 ? "identical to the shell's"
                                                        : "DIFFERENT from the shell's");
    QFile::remove(work);
    QFile::remove(shellWork);
    return ourDigest == shellDigest ? 0 : 1;
}
