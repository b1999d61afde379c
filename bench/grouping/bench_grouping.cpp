// bench_grouping [--dir DIR] [--uploads N]
//
// Builds (once, kept in DIR) a database of N uploads of 999 readings and 125 groups of 8
// sensors, then on fresh copies of it times GroupData2Mdb, and the SQLite shell running
// the fixed reference script (reference.sql, val() loaded from the bench extension).
// Both must build the same 测量数据; the bench says whether they did.
#include "bench/support/BenchSupport.h"
#include "grouping/GroupData2Mdb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

bool buildBase(const QString& path, int uploads) {
    if (Bench::RowCount(path, QStringLiteral("分组定义")) == 125 &&
        Bench::RowCount(path, QStringLiteral("表1")) == qint64(uploads) * 999)
        return true;
    QFile::remove(path);
    if (!Bench::BuildReadings(path, uploads, true))
        return false;
    const StoreResult r = Bench::SaveGroups(path);
    if (!r.ok())
        std::printf("groups failed: %s\n", qPrintable(r.message()));
    return r.ok();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const Bench::Options options =
        Bench::ParseOptions(args, QStringLiteral("thermbook-bench-grouping"));
    const int uploads = options.uploads;
    const QString& base = options.base;
    const QString& work = options.work;
    const QString& shellWork = options.shellWork;
    if (!buildBase(base, uploads))
        return 1;
    std::printf("database: %d x 999 readings, 125 groups of 8 sensors, %.1f MB\n", uploads,
                QFileInfo(base).size() / 1048576.0);

    Bench::CopyFile(base, work);
    Bench::CopyFile(base, shellWork);
    QElapsedTimer t;
    t.start();
    const GroupingRun run = GroupData2Mdb(work);
    const double ours = t.nsecsElapsed() / 1e6;
    if (!run.result.ok()) {
        std::printf("GroupData2Mdb failed: %s\n", qPrintable(run.result.message()));
        return 1;
    }
    const double shell =
        Bench::ShellMs(QStringLiteral(JETVAL_EXTENSION), shellWork,
                       {QStringLiteral(".read ") + QStringLiteral(REFERENCE_SCRIPT)});

    qint64 ourRows = 0;
    qint64 shellRows = 0;
    const QByteArray ourDigest = Bench::RecordsDigest(work, QStringLiteral("rowid"), ourRows);
    const QByteArray shellDigest =
        Bench::RecordsDigest(shellWork, QStringLiteral("rowid"), shellRows);
    Bench::Report("GroupData2Mdb", ours, shell, "3000 ms, ratio 1.5");
    std::printf("records: %lld (shell %lld), %s\n", static_cast<long long>(ourRows),
                static_cast<long long>(shellRows),
                ourDigest == shellDigest && ourRows > 0 ? "identical to the shell's"
                                                        : "DIFFERENT from the shell's");
    QFile::remove(work);
    QFile::remove(shellWork);
    return ourDigest == shellDigest ? 0 : 1;
}
