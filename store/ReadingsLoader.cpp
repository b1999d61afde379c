#include "ReadingsLoader.h"

#include "ReadingsRowBuilder.h"
#include "StoreDb.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace {

// The first batch is small so that the first screen shows at once; later batches are larger
// so that a million rows do not become a million model updates.
constexpr std::size_t FirstBatchRows = 64;
constexpr std::size_t BatchRows = 8192;
constexpr qint64 BatchMs = 40;

} // namespace

ReadingsLoader::ReadingsLoader(QString dbPath, ReadingsLayout::Fill fill, QString sql,
                               std::function<void()> notify)
    : m_dbPath(std::move(dbPath)), m_fill(fill), m_sql(std::move(sql)),
      m_notify(std::move(notify)) {}

ReadingsLoader::~ReadingsLoader() {
    cancel();
    wait();
}

void ReadingsLoader::start() {
    m_thread = std::thread([this] { run(); });
}

void ReadingsLoader::cancel() {
    m_cancelled = true;
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_handle)
        sqlite3_interrupt(m_handle);
}

void ReadingsLoader::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

bool ReadingsLoader::takeBatch(Batch& out) {
    m_notified = false;
    const std::lock_guard<std::mutex> lock(m_mutex);
    out = std::move(m_pending);
    m_pending = Batch();
    return m_ended;
}

StoreResult ReadingsLoader::error() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

qint64 ReadingsLoader::total() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_total;
}

void ReadingsLoader::hand(Batch& local, bool last) {
    const std::size_t next = local.start + local.rows.size();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_pending.newTexts += local.newTexts;
        if (!local.rows.empty()) {
            if (!m_pending.rows.empty() && local.start == m_pending.start + m_pending.rows.size()) {
                m_pending.rows.insert(m_pending.rows.end(), local.rows.begin(), local.rows.end());
            } else {
                // Nothing waiting, or the whole statement starting over the preview's rows:
                // the later rows stand for those.
                m_pending.start = local.start;
                m_pending.rows = std::move(local.rows);
            }
        }
        if (last)
            m_ended = true;
    }
    local = Batch();
    local.start = next;
    if (last || !m_notified.exchange(true))
        m_notify();
}

quint32 ReadingsLoader::intern(const QString& text, Batch& local) {
    auto it = m_textIndex.constFind(text);
    if (it != m_textIndex.constEnd())
        return *it;
    const auto index = static_cast<quint32>(m_textIndex.size());
    local.newTexts.append(text);
    m_textIndex.insert(text, index);
    return index;
}

void ReadingsLoader::run() {
    StoreResult failure;
    {
        StoreDb db(m_dbPath);
        failure = db.openDatabase(StoreDb::Access::ReadOnly);
        if (failure.ok()) {
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_handle = db.handle();
            }
            QString whole = m_sql.trimmed();
            while (whole.endsWith(QLatin1Char(';')))
                whole.chop(1);
            // A statement that cannot be limited this way simply shows nothing early.
            (void)read(db,
                       QStringLiteral("select * from (%1\n) limit %2")
                           .arg(whole, QString::number(PreviewRows)),
                       true);
            const qint64 rows = read(db, m_sql, false);
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_handle = nullptr;
            m_total = rows;
        }
    }
    if (!failure.ok()) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_error = failure;
    }
    Batch none;
    hand(none, true);
}

qint64 ReadingsLoader::read(StoreDb& db, const QString& sql, bool quiet) {
    if (m_cancelled)
        return -1;
    QSqlQuery query;
    StoreResult r = db.select(sql, query);
    if (!r.ok()) {
        if (!m_cancelled && !quiet) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_error = r;
        }
        return -1;
    }
    const QSqlRecord record = query.record();
    const int dateTimeField = record.indexOf(QStringLiteral("日期时间"));
    const int numberField = record.indexOf(QStringLiteral("编号"));
    const int temperatureField = record.indexOf(QStringLiteral("温度值"));
    const auto field = [&query](int index) {
        return index < 0 ? QString() : query.value(index).toString();
    };

    ReadingsRowBuilder builder(m_fill);
    ReadingsRowBuilder::Row row;
    Batch local;
    QElapsedTimer sinceHand;
    sinceHand.start();
    qint64 produced = 0;
    while (!m_cancelled && query.next()) {
        if (builder.add(field(dateTimeField), field(numberField), field(temperatureField), row)) {
            CachedRow cached;
            cached.colour = static_cast<quint8>(row.colour);
            for (int c = 0; c < row.cells.size() && c < 3; ++c)
                cached.cells[static_cast<std::size_t>(c)] = intern(row.cells[c], local);
            local.rows.push_back(cached);
            ++produced;
        }
        const std::size_t waiting = local.rows.size();
        if ((produced == qint64(waiting) && waiting >= FirstBatchRows) || waiting >= BatchRows ||
            (waiting > 0 && sinceHand.elapsed() >= BatchMs)) {
            hand(local, false);
            sinceHand.restart();
        }
    }
    const bool failed = query.lastError().isValid();
    if (failed && !m_cancelled && !quiet) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_error = StoreResult::failure(StoreResult::Kind::Failed,
                                       QStringLiteral("数据库操作失败：") +
                                           StoreDb::reasonText(query.lastError()));
    }
    hand(local, false);
    return failed || m_cancelled ? -1 : produced;
}
