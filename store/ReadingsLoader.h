#pragma once

#include "ReadingsLayout.h"
#include "StoreResult.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct sqlite3;

// Reads the rows of one fill on a thread of its own, with a connection of its own, and
// hands them over in batches. The window thread never waits for the table to be sorted or
// read. Reading runs twice: first the statement limited to its first rows, which SQLite
// finds without sorting the whole table, so the first screen shows at once; then the whole
// statement, whose rows replace the first ones (identical unless rows tie in the order)
// and continue the list.
//
// The reading thread never waits for the window thread, so a writer that waits for the
// read lock (StoreDb's busy timeout) can never wait forever.
class ReadingsLoader {
public:
    // One pane row: its texts as indexes into the shared texts, and its colour.
    struct CachedRow {
        std::array<quint32, 3> cells{};
        quint8 colour = 0;
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
    void run();
    // Reads one statement into rows 0, 1, ...; returns how many rows it gave, or -1 when it
    // stopped early. Failures are kept in m_error unless `quiet`.
    qint64 read(class StoreDb& db, const QString& sql, bool quiet);
    void hand(Batch& local, bool last);
    [[nodiscard]] quint32 intern(const QString& text, Batch& local);

    QString m_dbPath;
    ReadingsLayout::Fill m_fill;
    QString m_sql;
    std::function<void()> m_notify;
    std::thread m_thread;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_notified{false};
    // Used by the reading thread only.
    QHash<QString, quint32> m_textIndex;

    mutable std::mutex m_mutex;
    Batch m_pending;
    bool m_ended = false;
    StoreResult m_error;
    qint64 m_total = -1;
    sqlite3* m_handle = nullptr;
};
