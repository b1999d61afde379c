#include "BenchSupport.h"

#include "StoreDb.h"
#include "UploadSaver.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>

#include <cstdio>

Bench::Options Bench::ParseOptions(const QStringList& args, const QString& defaultDir) {
    Options options{QDir::temp().filePath(defaultDir), 1000};
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--dir"))
            options.dir = args[i + 1];
        else if (args[i] == QLatin1String("--uploads"))
            options.uploads = args[i + 1].toInt();
    }
    QDir().mkpath(options.dir);
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

bool Bench::BuildReadings(const QString& path, int uploads, bool faults) {
    {
        StoreDb db(path);
        QSqlQuery q;
        if (db.openDatabase().ok() &&
            db.select(QStringLiteral("select count(*) from [表1]"), q).ok() && q.next() &&
            q.value(0).toLongLong() == qint64(uploads) * 999)
            return true;
    }
    QFile::remove(path);
    std::printf("building %d uploads x 999 readings in %s ...\n", uploads, qPrintable(path));
    std::fflush(stdout);
    QElapsedTimer t;
    t.start();
    for (int u = 0; u < uploads; ++u) {
        QVector<UploadSaver::ListRow> rows;
        for (int n = 1; n <= 999; ++n)
            rows.append({QString::number(n), TemperatureOf(u, n, faults)});
        const StoreResult r = UploadSaver::save(path, StampOf(u), UploadSaver::plan(rows, 1, 999, 0));
        if (!r.ok()) {
            std::printf("build failed: %s\n", qPrintable(r.message()));
            return false;
        }
    }
    std::printf("built in %.1f s\n", t.elapsed() / 1000.0);
    return true;
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
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QStringList args{QStringLiteral("-bail")};
    if (!extension.isEmpty())
        args << QStringLiteral("-cmd") << QStringLiteral(".load ") + extension;
    args << db << commands;
    QElapsedTimer t;
    t.start();
    p.start(shell, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        std::printf("  shell failed: %s\n", p.readAllStandardError().constData());
        return -1;
    }
    return t.nsecsElapsed() / 1e6;
}

void Bench::Report(const char* what, double ours, double reference, const char* limit) {
    std::printf("%-34s %10.1f ms   shell %10.1f ms   ratio %5.2f   (limit %s)\n", what, ours,
                reference, reference > 0 ? ours / reference : 0.0, limit);
    std::fflush(stdout);
}
