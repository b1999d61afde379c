#include "store/ReadingsLoader.h"

#include "store/ReadingTexts.h"
#include "store/RowTexts.h"
#include "store/StoreDb.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

// The first batch is small so that the first screen shows at once. After it a batch is
// handed once it holds as many rows as were handed before it: every insert makes the view
// lay out all its rows again, and doubling keeps that work in proportion to the rows.
// A slow statement still hands what it has every so often.
constexpr std::size_t FirstBatchRows = 64;
constexpr qint64 BatchMs = 250;

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
    // Where the limited statement costs as much as the whole one, run side by side each
    // would take the engine's time from the other and the first screen would wait for both.
    // There the whole statement follows the limited one, on the same connection.
    if (!StoreDb(m_dbPath).quickPreview()) {
        m_thread = std::thread([this] {
            {
                StoreDb db(m_dbPath);
                const StoreResult opened = db.openDatabase(StoreDb::Access::ReadOnly);
                if (opened.ok())
                    runPreview(db);
                runWhole(db, opened);
            }
            finish();
        });
        return;
    }
    m_previewThread = std::thread([this] {
        {
            StoreDb db(m_dbPath);
            if (db.openDatabase(StoreDb::Access::ReadOnly).ok())
                runPreview(db);
        }
        letWholeStart();
    });
    m_thread = std::thread([this] {
        waitForWholeStart();
        {
            StoreDb db(m_dbPath);
            runWhole(db, db.openDatabase(StoreDb::Access::ReadOnly));
        }
        finish();
    });
}

void ReadingsLoader::cancel() {
    m_cancelled = true;
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (StoreDb* reading : m_reading)
        if (reading)
            reading->interrupt();
}

void ReadingsLoader::wait() {
    if (m_thread.joinable())
        m_thread.join();
    if (m_previewThread.joinable())
        m_previewThread.join();
}

void ReadingsLoader::setReading(Reading reading, StoreDb* db) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_reading[reading == Reading::Preview ? 0 : 1] = db;
}

void ReadingsLoader::letWholeStart() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_wholeMayStart = true;
    }
    m_wholeStart.notify_all();
}

void ReadingsLoader::waitForWholeStart() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wholeStart.wait(lock, [this] { return m_wholeMayStart; });
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

void ReadingsLoader::hand(Batch& local, Reading reading, bool last) {
    const std::size_t next = local.start + local.rows.size();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const bool handOver = reading == Reading::Whole || !m_wholeHanded;
        if (reading == Reading::Whole && !m_wholeHanded && !local.rows.empty()) {
            m_wholeHanded = true;
            // The whole statement starts over the preview's rows: those still waiting go.
            m_pending.rows.clear();
        }
        if (handOver) {
            if (reading == Reading::Preview)
                m_previewTexts += static_cast<quint32>(local.newTexts.size());
            else
                for (CachedRow& row : local.rows) {
                    row.dateTime += m_previewTexts;
                    row.number += m_previewTexts;
                    row.temperature += m_previewTexts;
                }
            m_pending.newTexts += local.newTexts;
            if (!local.rows.empty()) {
                if (!m_pending.rows.empty() &&
                    local.start == m_pending.start + m_pending.rows.size()) {
                    m_pending.rows.insert(m_pending.rows.end(), local.rows.begin(),
                                          local.rows.end());
                } else {
                    m_pending.start = local.start;
                    m_pending.rows = std::move(local.rows);
                }
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

void ReadingsLoader::runPreview(StoreDb& db) {
    setReading(Reading::Preview, &db);
    const StoreConnection::FirstRowsStatement first =
        db.firstRowsStatement(m_fill, m_sql, PreviewRows);
    // A limited sort costs nearly what the whole one does, so the whole one need not wait.
    if (!first.lookedUp)
        letWholeStart();
    // A statement that cannot be limited this way simply shows nothing early.
    (void)read(db, Reading::Preview, first.sql);
    setReading(Reading::Preview, nullptr);
}

void ReadingsLoader::runWhole(StoreDb& db, const StoreResult& opened) {
    if (!opened.ok()) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_error = opened;
        return;
    }
    setReading(Reading::Whole, &db);
    const qint64 rows = read(db, Reading::Whole, m_sql);
    setReading(Reading::Whole, nullptr);
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_total = rows;
}

void ReadingsLoader::finish() {
    // The preview may still be sorting; its rows are not wanted any more.
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_reading[0])
            m_reading[0]->interrupt();
    }
    if (m_previewThread.joinable())
        m_previewThread.join();
    Batch none;
    hand(none, Reading::Whole, true);
}

qint64 ReadingsLoader::failed(Reading reading, const StoreResult& why) {
    if (!m_cancelled && reading == Reading::Whole) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_error =
            StoreResult::failure(StoreResult::Kind::Failed,
                                 QStringLiteral("数据库操作失败：") +
                                     why.message().section(QStringLiteral("数据库操作失败："), -1));
    }
    return -1;
}

qint64 ReadingsLoader::read(StoreDb& db, Reading reading, const QString& sql) {
    if (m_cancelled)
        return -1;
    RowTexts rows(db,
                  {QStringLiteral("日期时间"), QStringLiteral("编号"), QStringLiteral("温度值")});
    if (const StoreResult r = rows.select(sql); !r.ok())
        return failed(reading, r);
    const qint64 produced = consume(reading, rows);
    if (const StoreResult r = rows.ended(); !r.ok() && !m_cancelled)
        return failed(reading, r);
    return m_cancelled ? -1 : produced;
}

qint64 ReadingsLoader::consume(Reading reading, RowTexts& rows) {
    ReadingsRowBuilder builder(m_fill);
    ReadingTexts texts;
    Batch local;
    QElapsedTimer sinceHand;
    sinceHand.start();
    qint64 produced = 0;
    quint32 sinceClock = 0;
    while (!m_cancelled && rows.next()) {
        CachedRow row;
        row.dateTime = texts.internInColumn(0, rows.text(0), local.newTexts);
        row.number = texts.internInColumn(1, rows.text(1), local.newTexts);
        row.temperature = texts.internInColumn(2, rows.text(2), local.newTexts);
        if (builder.next(row.dateTime, texts.value(row.number), row.mark)) {
            local.rows.push_back(row);
            ++produced;
        }
        const std::size_t waiting = local.rows.size();
        const std::size_t handed = static_cast<std::size_t>(produced) - waiting;
        // The clock is read only every so many rows: reading it costs as much as a row.
        if (waiting >= std::max(FirstBatchRows, handed) ||
            (waiting > 0 && ++sinceClock % 256 == 0 && sinceHand.elapsed() >= BatchMs)) {
            hand(local, reading, false);
            sinceHand.restart();
        }
    }
    hand(local, reading, false);
    return produced;
}
