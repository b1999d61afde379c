#include "ReadingsLoader.h"

#include "ReadingsRowBuilder.h"
#include "StoreDb.h"

#include <QElapsedTimer>
#include <QHash>
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

void ReadingsLoader::hand(Batch& local, bool last) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_pending.newTexts += local.newTexts;
        if (m_pending.rows.empty())
            m_pending.rows = std::move(local.rows);
        else
            m_pending.rows.insert(m_pending.rows.end(), local.rows.begin(), local.rows.end());
        if (last)
            m_ended = true;
    }
    local = Batch();
    if (last || !m_notified.exchange(true))
        m_notify();
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
            read(db);
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_handle = nullptr;
        }
    }
    if (!failure.ok()) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_error = failure;
    }
    Batch none;
    hand(none, true);
}

void ReadingsLoader::read(StoreDb& db) {
    if (m_cancelled)
        return;
    QSqlQuery query;
    StoreResult r = db.select(m_sql, query);
    if (!r.ok()) {
        if (!m_cancelled) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_error = r;
        }
        return;
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
    QHash<QString, quint32> textIndex;
    quint32 textCount = 0;
    Batch local;
    const auto intern = [&](const QString& text) {
        auto it = textIndex.constFind(text);
        if (it != textIndex.constEnd())
            return *it;
        local.newTexts.append(text);
        textIndex.insert(text, textCount);
        return textCount++;
    };

    QElapsedTimer sinceHand;
    sinceHand.start();
    std::size_t handed = 0;
    while (!m_cancelled && query.next()) {
        if (builder.add(field(dateTimeField), field(numberField), field(temperatureField), row)) {
            CachedRow cached;
            cached.colour = static_cast<quint8>(row.colour);
            for (int c = 0; c < row.cells.size() && c < 3; ++c)
                cached.cells[static_cast<std::size_t>(c)] = intern(row.cells[c]);
            local.rows.push_back(cached);
        }
        const std::size_t waiting = local.rows.size();
        if ((handed == 0 && waiting >= FirstBatchRows) || waiting >= BatchRows ||
            (waiting > 0 && sinceHand.elapsed() >= BatchMs)) {
            handed += waiting;
            hand(local, false);
            sinceHand.restart();
        }
    }
    if (query.lastError().isValid() && !m_cancelled) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_error = StoreResult::failure(StoreResult::Kind::Failed,
                                       QStringLiteral("数据库操作失败：") +
                                           StoreDb::reasonText(query.lastError()));
    }
    hand(local, false);
}
