#include "bench/support/BenchSupport.h"

#include "grouping/BulkGroups.h"
#include "grouping/GroupDefinitions.h"
#include "store/StoreDb.h"
#include "store/UploadSaver.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

// Runs `program` to its end; the wall time in ms, or -1. Its output is thrown away, or
// kept in `output` when one is given.
double timedRun(const QString& program, const QStringList& args,
                const QProcessEnvironment& environment, QByteArray* output = nullptr) {
    QProcess p;
    p.setProcessEnvironment(environment);
    if (!output)
        p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::printf("  %s failed: %s\n", qPrintable(QFileInfo(program).fileName()),
                    p.readAllStandardError().constData());
        return -1;
    }
    const double ms = t.nsecsElapsed() / 1e6;
    if (output)
        *output = p.readAllStandardOutput();
    return ms;
}

} // namespace

Bench::Options Bench::ParseOptions(const QStringList& args, const QString& defaultDir) {
    Options options{QDir::temp().filePath(defaultDir), 1000, {}, {}, {}};
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--dir"))
            options.dir = args[i + 1];
        else if (args[i] == QLatin1String("--uploads"))
            options.uploads = args[i + 1].toInt();
    }
    QDir().mkpath(options.dir);
    const QDir folder(options.dir);
    options.base = folder.filePath(QStringLiteral("base.mdb"));
    options.work = folder.filePath(QStringLiteral("数据库.mdb"));
    options.shellWork = folder.filePath(QStringLiteral("shell.mdb"));
    return options;
}

QString Bench::StampOf(int upload) {
    const QDateTime base(QDate(2008, 1, 1), QTime(8, 0));
    return base.addSecs(qint64(upload) * 6 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString Bench::TemperatureOf(int upload, int number, bool faults) {
    if (faults && number % 97 == 0)
        return QStringLiteral("E1");
    const int t = (upload * 37 + number * 11) % 9000;
    return QString::number(t / 100.0 - 10.0, 'f', 2);
}

QVector<UploadSaver::Reading> Bench::ReadingsOf(int upload, bool faults) {
    QVector<UploadSaver::ListRow> rows;
    for (int n = 1; n <= 999; ++n)
        rows.append({QString::number(n), TemperatureOf(upload, n, faults)});
    return UploadSaver::plan(rows, 1, 999, 0);
}

double Bench::TimedSave(const QString& address, int upload) {
    QElapsedTimer t;
    t.start();
    const StoreResult r = UploadSaver::save(address, StampOf(upload), ReadingsOf(upload));
    if (!r.ok()) {
        std::printf("save failed: %s\n", qPrintable(r.message()));
        return -1;
    }
    return t.nsecsElapsed() / 1e6;
}

bool Bench::BuildReadings(const QString& path, int uploads, bool faults) {
    if (RowCount(path, QStringLiteral("表1")) == qint64(uploads) * 999)
        return true;
    QFile::remove(path);
    std::printf("building %d uploads x 999 readings in %s ...\n", uploads, qPrintable(path));
    std::fflush(stdout);
    QElapsedTimer t;
    t.start();
    for (int u = 0; u < uploads; ++u) {
        const StoreResult r = UploadSaver::save(path, StampOf(u), ReadingsOf(u, faults));
        if (!r.ok()) {
            std::printf("build failed: %s\n", qPrintable(r.message()));
            return false;
        }
    }
    std::printf("built in %.1f s\n", t.elapsed() / 1000.0);
    return true;
}

qint64 Bench::RowCount(const QString& path, const QString& table) {
    StoreDb db(path);
    QSqlQuery q;
    if (!db.openDatabase(StoreDb::Access::ReadOnly).ok() ||
        !db.select(QStringLiteral("select count(*) from [%1]").arg(table), q).ok() || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

StoreResult Bench::SaveGroups(const QString& path) {
    return GroupDefinitions::save(
        path, BulkGroups::generate(QStringLiteral("8"), QStringLiteral("1"), QStringLiteral("1"),
                                   QStringLiteral("1000")));
}

QByteArray Bench::RecordsDigest(const QString& path, const QString& orderBy, qint64& rows) {
    rows = 0;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    StoreDb db(path);
    QSqlQuery q;
    if (!db.openDatabase(StoreDb::Access::ReadOnly).ok() ||
        !db.select(QStringLiteral("select * from [测量数据] order by ") + orderBy, q).ok())
        return {};
    while (q.next()) {
        ++rows;
        for (int c = 0; c < q.record().count(); ++c)
            hash.addData((q.value(c).toString() + QLatin1Char('|')).toUtf8());
        hash.addData("\n");
    }
    return hash.result().toHex();
}

bool Bench::CopyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to);
}

double Bench::ShellMs(const QString& extension, const QString& db, const QStringList& commands) {
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) {
        std::printf("  no sqlite3 shell found\n");
        return -1;
    }
    QStringList args{QStringLiteral("-bail")};
    if (!extension.isEmpty())
        args << QStringLiteral("-cmd") << QStringLiteral(".load ") + extension;
    args << db << commands;
    return timedRun(shell, args, QProcessEnvironment::systemEnvironment());
}

QString Bench::PsqlProgram() {
    return QStandardPaths::findExecutable(
        QStringLiteral("psql"),
        {QStringLiteral("/usr/bin"), QStringLiteral("/usr/lib/postgresql/15/bin")});
}

double Bench::PsqlMs(const QString& address, const QStringList& commands, QByteArray* output) {
    const QString psql = PsqlProgram();
    if (psql.isEmpty()) {
        std::printf("  no psql found\n");
        return -1;
    }
    // Unaligned rows without headings are psql's quickest way to print. It speaks UTF-8 to
    // the server whatever locale it is started in, since the tables' names are Chinese.
    QStringList args{QStringLiteral("-X"), QStringLiteral("-q"),
                     QStringLiteral("-A"), QStringLiteral("-t"),
                     QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                     QStringLiteral("-d"), address};
    for (const QString& command : commands)
        args << QStringLiteral("-c") << command;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGCLIENTENCODING"), QStringLiteral("UTF8"));
    return timedRun(psql, args, environment, output);
}

double Bench::Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

Bench::Timings Bench::MedianRuns(int runs, const std::function<double(int)>& ours,
                                 const std::function<double(int)>& reference) {
    std::vector<double> a;
    std::vector<double> b;
    for (int run = 0; run < runs; ++run) {
        a.push_back(ours(run));
        b.push_back(reference(run));
    }
    return {Median(a), Median(b)};
}

void Bench::PrintPlan(const QString& db, const QString& sql) {
    QStringList steps;
    StoreDb s(db);
    if (s.openDatabase(StoreDb::Access::ReadOnly).ok())
        (void)s.queryPlan(sql, steps);
    for (const QString& step : steps)
        std::printf("    plan: %s\n", qPrintable(step));
}

void Bench::Report(const char* what, double ours, double referenceMs, const char* limit,
                   const char* reference) {
    std::printf("%-34s %10.1f ms   %5s %10.1f ms   ratio %5.2f   (limit %s)\n", what, ours,
                reference, referenceMs, referenceMs > 0 ? ours / referenceMs : 0.0, limit);
    std::fflush(stdout);
}
