#include "bench/store/ServerColumn.h"

#include "bench/store/ViewTiming.h"
#include "bench/support/BenchSupport.h"
#include "grouping/GroupData2Mdb.h"
#include "store/JetSql.h"
#include "store/ReadingLists.h"
#include "store/StoreDb.h"
#include "store/UploadSaver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int Runs = 3;

const QString TimesSql = QStringLiteral("select distinct [日期时间] from [表1] where [日期时间] is "
                                        "not null order by [日期时间] desc");

double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

QString include(const QString& script) {
    return QStringLiteral("\\i ") + JetSql::quoted(script);
}

} // namespace

ServerColumn::ServerColumn(QString dir, int uploads, QString program, double fileGroupingMs)
    : m_dir(std::move(dir)), m_uploads(uploads), m_program(std::move(program)),
      m_fileGroupingMs(fileGroupingMs) {}

QString ServerColumn::serverSql(const QString& sql) const {
    return StoreDb(m_address).nativeSql(sql);
}

double ServerColumn::psql(const QStringList& commands) const {
    return Bench::PsqlMs(m_address, commands);
}

void ServerColumn::run() {
    std::printf("\n");
    if (Bench::PsqlProgram().isEmpty()) {
        std::printf("PostgreSQL column skipped: no psql installed\n");
        return;
    }
    if (!m_cluster.start()) {
        std::printf("PostgreSQL column skipped: the server did not start: %s\n",
                    qPrintable(m_cluster.error().section(QLatin1Char('\n'), 0, 0)));
        return;
    }
    m_address = m_cluster.createDatabase(QStringLiteral("bench"));
    if (m_address.isEmpty()) {
        std::printf("PostgreSQL column skipped: no database: %s\n", qPrintable(m_cluster.error()));
        return;
    }
    if (!fill())
        return;
    view();
    uploadTimes();
    grouping();
    // Last, since every save adds an upload the other figures would read.
    save();
}

bool ServerColumn::fill() {
    QElapsedTimer t;
    t.start();
    // The tables, their index and val(), made as the program makes them on its first
    // connection to an empty database.
    StoreResult r = StoreDb(m_address).openDatabase();
    // Saving a million readings one upload at a time would keep the server busy for
    // minutes, every reading a round trip. COPY streams the same rows, in the order the
    // saves would have stored them, as one statement.
    const QString copy = QDir(m_dir).filePath(QStringLiteral("readings.copy"));
    if (r.ok()) {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly))
            r = StoreResult::failure(StoreResult::Kind::Failed, file.errorString());
        QTextStream out(&file);
        for (int u = 0; r.ok() && u < m_uploads; ++u) {
            const QString stamp = Bench::StampOf(u);
            for (const UploadSaver::Reading& reading : Bench::ReadingsOf(u))
                out << stamp << '\t' << reading.number << '\t' << reading.temperature << '\n';
        }
    }
    // A freshly loaded table has no statistics, and no row's visibility is recorded yet, so
    // its first reader would pay for writing that down. The server's autovacuum does both
    // soon after a load; doing it here lets every timing see the table as it will be.
    if (r.ok() &&
        (psql({QStringLiteral("\\copy \"表1\" (\"日期时间\", \"编号\", \"温度值\") from ") +
               JetSql::quoted(copy)}) < 0 ||
         psql({QStringLiteral("vacuum analyze \"表1\"")}) < 0))
        r = StoreResult::failure(StoreResult::Kind::Failed, QStringLiteral("the load failed"));
    QFile::remove(copy);
    if (r.ok())
        r = Bench::SaveGroups(m_address);
    if (!r.ok()) {
        std::printf("PostgreSQL column skipped: the database could not be filled: %s\n",
                    qPrintable(r.message()));
        return false;
    }
    std::printf("PostgreSQL 15 on 127.0.0.1:%d, commits flushed to disk: %d x 999 readings and "
                "125 groups, loaded by COPY in %.1f s\n",
                m_cluster.port(), m_uploads, t.elapsed() / 1000.0);
    return true;
}

void ServerColumn::save() {
    const QString script = QDir(m_dir).filePath(QStringLiteral("save.sql"));
    // Each run saves a new upload, ours and psql's in turn. psql runs what the program's
    // driver sends: the insert prepared once and executed with each reading's values.
    const auto ours = [this](int run) { return Bench::TimedSave(m_address, m_uploads + 2 * run); };
    const auto reference = [this, &script](int run) {
        const int upload = m_uploads + 2 * run + 1;
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return -1.0;
        QTextStream out(&file);
        out << "begin;\nprepare save (text, text, text) as "
            << serverSql(QStringLiteral(
                   "Insert Into [表1]([日期时间],[编号],[温度值]) values ($1,$2,$3)"))
            << ";\n";
        for (const UploadSaver::Reading& reading : Bench::ReadingsOf(upload))
            out << "execute save (" << JetSql::quoted(Bench::StampOf(upload)) << ", "
                << JetSql::quoted(reading.number) << ", " << JetSql::quoted(reading.temperature)
                << ");\n";
        out << "commit;\n";
        file.close();
        return psql({include(script)});
    };
    const Bench::Timings t = Bench::MedianRuns(Runs, ours, reference);
    QFile::remove(script);
    Bench::Report("Save2Mdb, 999 readings", t.ours, t.reference, "40 ms", "psql");
}

void ServerColumn::view() {
    ViewTiming::measure(
        m_program, m_address, [this](const QString& sql) { return psql({serverSql(sql)}); }, "psql",
        ViewTiming::firstScreenLimit(m_uploads));
}

void ServerColumn::uploadTimes() {
    Bench::PrintPlan(m_address, TimesSql);
    qint64 times = 0;
    const auto ours = [this, &times](int) {
        QElapsedTimer t;
        t.start();
        times = ReadingLists::uploadTimeList(m_address).count(QLatin1Char('|'));
        return msSince(t);
    };
    const Bench::Timings t = Bench::MedianRuns(
        Runs, ours, [this](int) { return psql({serverSql(TimesSql)}); });
    Bench::Report("GetUpdownTimeList", t.ours, t.reference, "1.5 x psql", "psql");
    std::printf("    %lld upload times\n", static_cast<long long>(times));
}

void ServerColumn::grouping() {
    // A server keeps no order of its own: the records are compared in the order a reader
    // asks for.
    const QString order = QStringLiteral("[myid], [站点编号]");
    qint64 ourRows = 0;
    qint64 referenceRows = 0;
    QByteArray ourDigest;
    QByteArray referenceDigest;
    const auto ours = [&](int run) {
        QElapsedTimer t;
        t.start();
        const GroupingRun grouped = GroupData2Mdb(m_address);
        const double ms = msSince(t);
        if (!grouped.result.ok())
            std::printf("GroupData2Mdb failed: %s\n", qPrintable(grouped.result.message()));
        if (run == 0)
            ourDigest = Bench::RecordsDigest(m_address, order, ourRows);
        return grouped.result.ok() ? ms : -1;
    };
    const auto reference = [&](int run) {
        const double ms = psql({include(QStringLiteral(SERVER_GROUPING_SCRIPT))});
        if (run == 0)
            referenceDigest = Bench::RecordsDigest(m_address, order, referenceRows);
        return ms;
    };
    const Bench::Timings t = Bench::MedianRuns(Runs, ours, reference);
    Bench::Report("GroupData2Mdb", t.ours, t.reference, "1.5 x psql", "psql");
    Bench::Report("GroupData2Mdb against the file", t.ours, m_fileGroupingMs, "1.5 x file",
                  "file");
    std::printf("    records: %lld (psql %lld), %s\n", static_cast<long long>(ourRows),
                static_cast<long long>(referenceRows),
                ourDigest == referenceDigest && ourRows > 0 ? "identical to psql's"
                                                            : "DIFFERENT from psql's");
}
