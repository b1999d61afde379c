#pragma once

#include "store/ReadingsLayout.h"
#include "store/ReadingsRowBuilder.h"
#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class ReadingTexts;
class RowTexts;
class StoreDb;

// Reads the rows of one fill on threads of their own, with connections of their own, and
// hands them over in batches. The window thread never waits for the table to be sorted or
// read. Two readings are made: the first rows, which the engine finds without sorting the
// whole table (StoreDb::firstRowsStatement), so the first screen shows at once; and the
// whole statement, whose rows replace the first ones (identical unless rows tie in the
// order, or the file's number table fell behind) and continue the list. Once the whole
// statement hands rows, the limited one's later rows are dropped. Where the first rows are
// the whole statement limited, the two run side by side; where they are looked up, the
// whole statement waits until they are read, since its sort would only slow the lookups.
// Where the engine's limited statement is no quicker (a server), the two run one after the
// other on one connection.
//
// Rows are read through RowTexts and kept as the texts of their row of 表1, each text
// stored once; the pane's cells are made from them only for the rows that are looked at.
// The reading thread never waits for the window thread.
class ReadingsLoader {
public:
    // One pane row: the texts of its row of 表1 as indexes into the shared texts, and
    // whether it starts a group, with its colour.
    struct CachedRow {
        quint32 dateTime = 0;
        quint32 number = 0;
        quint32 temperature = 0;
        ReadingsRowBuilder::Mark mark;
    };
    // Rows read since the last batch, which belong at rows start, start + 1, ... of the
    // list (replacing rows already there), and the texts they added to the shared texts
    // (which only ever grow, so indexes stay valid).
    struct Batch {
        QStringList newTexts;
        std::size_t start = 0;
        std::vector<CachedRow> rows;
    };

    // How many rows the first, limited read takes: a few screens.
    static constexpr int PreviewRows = 256;

    // `notify` is called on the reading thread whenever rows are waiting, at most once until
    // the next takeBatch(), and once more when reading has ended.
    ReadingsLoader(QString dbPath, ReadingsLayout::Fill fill, QString sql,
                   std::function<void()> notify);
    // Stops reading and waits for the thread.
    ~ReadingsLoader();
    ReadingsLoader(const ReadingsLoader&) = delete;
    ReadingsLoader& operator=(const ReadingsLoader&) = delete;

    void start();
    // Makes the reading stop soon, also inside a long sort.
    void cancel();
    // Blocks until the reading has ended.
    void wait();

    // Moves the waiting rows into `out`; true when reading has ended and nothing is left.
    [[nodiscard]] bool takeBatch(Batch& out);
    // Why reading ended early; success when it reached the end of the rows or was cancelled.
    [[nodiscard]] StoreResult error() const;
    // The number of rows of the whole statement once it has been read to its end; -1 while
    // reading, or when the reading stopped early.
    [[nodiscard]] qint64 total() const;

private:
    enum class Reading { Preview, Whole };

    // The limited statement, then the whole one, each on an open connection; finish()
    // ends the reading once the whole statement is done.
    void runPreview(StoreDb& db);
    void runWhole(StoreDb& db, const StoreResult& opened);
    void finish();
    // Reads one statement into rows 0, 1, ...; returns how many rows it gave, or -1 when it
    // stopped early. Failures of the whole statement are kept in m_error.
    qint64 read(StoreDb& db, Reading reading, const QString& sql);
    // Hands the rows on in batches.
    qint64 consume(Reading reading, RowTexts& rows);
    qint64 failed(Reading reading, const StoreResult& why);
    void hand(Batch& local, Reading reading, bool last);
    // The connection `reading` runs on, which cancel() interrupts; null when none.
    void setReading(Reading reading, StoreDb* db);
    void letWholeStart();
    void waitForWholeStart();

    QString m_dbPath;
    ReadingsLayout::Fill m_fill;
    QString m_sql;
    std::function<void()> m_notify;
    std::thread m_thread;
    std::thread m_previewThread;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_notified{false};

    mutable std::mutex m_mutex;
    Batch m_pending;
    bool m_ended = false;
    StoreResult m_error;
    qint64 m_total = -1;
    // Texts the preview handed before the whole statement took over; the whole statement's
    // text indexes follow them.
    quint32 m_previewTexts = 0;
    bool m_wholeHanded = false;
    bool m_wholeMayStart = false;
    std::condition_variable m_wholeStart;
    StoreDb* m_reading[2] = {nullptr, nullptr};
};
