#pragma once

#include "store/StoreConnection.h"
#include "store/StoreResult.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

#include <functional>
#include <memory>

class QSqlQuery;
class TextCursor;

// One connection to the readings' database, for the length of one operation: opened at its
// start, closed (and its Qt connection removed) when the object goes out of scope. The path
// names a database file (FileStore) or a PostgreSQL server (StoreAddress, ServerStore).
// Callers say what they need and the engine behind decides how; none asks which it is.
// Statements are written in the program's SQL form (JetSql) and translated for the engine.
//
// Queries made through a StoreDb must be destroyed before it; declaring them after it in
// the same scope does that.
class StoreDb {
public:
    using Access = StoreConnection::Access;
    using Lock = StoreConnection::Lock;

    // `busyTimeoutMs`: how long a statement waits for another connection's lock before it
    // fails. A view still reading in the background holds a read lock for a moment; writers
    // wait for it.
    explicit StoreDb(const QString& path,
                     int busyTimeoutMs = StoreConnection::DefaultBusyTimeoutMs);
    ~StoreDb();
    StoreDb(const StoreDb&) = delete;
    StoreDb& operator=(const StoreDb&) = delete;

    // The program's database: a file is made with its empty tables when it is missing;
    // one that is locked, unreadable, not a database or lacks a table is refused with
    // CannotOpen and left exactly as it was. A server database without the tables gets them
    // and val(); a server that cannot be reached or refuses the user gives CannotOpen, or
    // NeedsPassword when it wants a password nobody has given.
    [[nodiscard]] StoreResult openDatabase(Access access = Access::ReadWrite);
    // Any database file as it is: nothing is made and no table is required. A missing
    // file is refused rather than created.
    [[nodiscard]] StoreResult openFile(Access access);
    void close();
    [[nodiscard]] bool isOpen() const;

    // Runs a statement that returns no rows; `values` fill its ? placeholders in order.
    [[nodiscard]] StoreResult exec(const QString& sql, const QVariantList& values = {});
    // Runs a select, forward only; the caller walks it with next().
    [[nodiscard]] StoreResult select(const QString& sql, QSqlQuery& query,
                                     const QVariantList& values = {});
    // Prepares a statement to be run many times with different values.
    [[nodiscard]] StoreResult prepare(const QString& sql, QSqlQuery& query);
    [[nodiscard]] StoreResult run(QSqlQuery& query);
    // Checks, without running it, that a statement can run and only reads rows.
    [[nodiscard]] StoreResult checkSelect(const QString& sql);
    // Starts a select whose rows are walked as the UTF-8 texts of `columns` (RowTexts).
    [[nodiscard]] StoreResult selectTexts(const QString& sql, const QStringList& columns,
                                          std::unique_ptr<TextCursor>& rows);

    // The database's own tables by name, in their stored order (the engine's left out).
    [[nodiscard]] StoreResult tableNames(QStringList& names);
    // The column type of the program's text columns in a table it makes.
    [[nodiscard]] QString textType() const;

    // Replaces every row of `table` with `rows`, each a value per column in order (a null
    // value stored as empty text), all in one transaction: a failure leaves the old rows.
    [[nodiscard]] StoreResult replaceRows(const QString& table, const QStringList& columns,
                                          const QVector<QVariantList>& rows);
    // Appends `rows` as replaceRows() writes them, many rows to a statement, so that a
    // server is not asked once per row; `afterInsert`, when given, runs after each statement
    // with the number of rows written so far. The caller holds the transaction.
    [[nodiscard]] StoreResult appendRows(const QString& table, const QStringList& columns,
                                         const QVector<QVariantList>& rows,
                                         const std::function<void(int)>& afterInsert = {});

    [[nodiscard]] StoreResult begin();
    [[nodiscard]] StoreResult commit();
    void rollback();
    // Waits, on a server, until no other copy of the program holds `lock`, and holds it
    // until the transaction ends; a file's writers already take turns.
    [[nodiscard]] StoreResult lockForTransaction(Lock lock);

    // An expression for the whole number nearest to the number `value`, halves away from
    // zero; one far beyond any sensor number may come out as -1.
    [[nodiscard]] QString wholeNumber(const QString& value) const;
    // The grouping's readings, in one of two forms; an engine gives the one it finds more
    // quickly. In both, a reading is that of a whole sensor number 0..lastNumber in an
    // upload with a date-time, the value of its temperature, and where a sensor was read
    // twice in one upload, the reading stored later.
    // A select of the readings of the slots `slotNumbers` (a select of [station], [k] and
    // [n], the whole sensor number in slot k of a station): [日期时间], [station], [k],
    // [温度值], one row per upload and slot, sorted by those three. Empty where the engine finds
    // readings more quickly one by one through a key, in the table of makeLatestReadings(): a
    // server hashes a whole table for each such join, a file looks its keys up at once.
    [[nodiscard]] QString latestSlotReadings(const QString& slotNumbers, int lastNumber) const;
    // Makes the temporary table `table` ([日期时间], [编号], [温度值]) of the readings, one row
    // per upload and number, keyed by both; where latestSlotReadings() is empty.
    [[nodiscard]] StoreResult makeLatestReadings(const QString& table, int lastNumber);

    // A statement giving at least the first `rows` rows of `sql`, the statement of view
    // `fill`, in its order, and as quickly as the engine can find them.
    [[nodiscard]] StoreConnection::FirstRowsStatement
    firstRowsStatement(ReadingsLayout::Fill fill, const QString& sql, int rows);
    // Whether the first rows of a select, read on a second connection beside the whole
    // select, come at once: there a limited read shows the first screen early.
    [[nodiscard]] bool quickPreview() const;
    // Makes a statement running on this connection stop soon; callable from any thread
    // while the connection is open.
    void interrupt();

    // Writes the whole database into `file`, a new database file of the program's form,
    // consistent even while others read or write. A failure's message gives only the reason.
    [[nodiscard]] StoreResult backupInto(const QString& file);
    // Whether the connection to a server is encrypted; a file has none.
    [[nodiscard]] bool encrypted();
    // Of `tables`, those that exist and whose rows the connected user may not add or delete;
    // a file's user may change all of them.
    [[nodiscard]] StoreResult tablesNotWritable(const QStringList& tables, QStringList& refused);
    // A quick check of a file's pages and records; a failure's message gives only the
    // reason. A server keeps its own data whole and always passes.
    [[nodiscard]] StoreResult checkIntact();
    // Appends every reading of table `table` of the database file `backupFile` to 表1, all
    // or none. A backup file that cannot be opened gives CannotOpen.
    [[nodiscard]] StoreResult appendReadings(const QString& backupFile, const QString& table);

    // The engine's plan for a statement, one line per step.
    [[nodiscard]] StoreResult queryPlan(const QString& sql, QStringList& steps);
    // A statement as the engine is given it.
    [[nodiscard]] QString nativeSql(const QString& sql) const;

    // A query's failed read: "数据库操作失败：" + its reason.
    [[nodiscard]] static StoreResult readFailure(const QSqlQuery& query);

private:
    std::unique_ptr<StoreConnection> m_store;
};
