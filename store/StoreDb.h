#pragma once

#include "store/JetSql.h"
#include "store/StoreAddress.h"
#include "store/StoreResult.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <QVector>

class QSqlError;
class QSqlQuery;
struct sqlite3;

// One connection to one database, for the length of one operation: opened at its start,
// closed (and its Qt connection removed) when the object goes out of scope. The database is
// a file, or a PostgreSQL server when the path is a server address (StoreAddress). Every
// statement is written in the program's SQL form and translated for the engine (JetSql,
// ServerDialect);
// val() is registered on a file's connection before anything runs, and created on a server
// with its tables.
//
// Queries made through a StoreDb must be destroyed before it; declaring them after it in
// the same scope does that.
class StoreDb {
public:
    enum class Access { ReadWrite, ReadOnly };

    // How long a statement waits for another connection's lock before it fails. A view
    // still reading in the background holds a read lock for a moment; writers wait for it.
    static constexpr int DefaultBusyTimeoutMs = 10000;

    explicit StoreDb(QString path, int busyTimeoutMs = DefaultBusyTimeoutMs);
    ~StoreDb();
    StoreDb(const StoreDb&) = delete;
    StoreDb& operator=(const StoreDb&) = delete;

    // The program's database: made with its three empty tables when the file is missing.
    // A file that is locked, unreadable, not a database or lacks a table is refused with
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

    // The file's own tables by name, in their stored order (SQLite's tables left out).
    [[nodiscard]] StoreResult tableNames(QStringList& names);

    // Replaces every row of `table` with `rows`, each a value per column in order (a null
    // value stored as empty text), all in one transaction: a failure leaves the old rows.
    [[nodiscard]] StoreResult replaceRows(const QString& table, const QStringList& columns,
                                          const QVector<QVariantList>& rows);

    [[nodiscard]] StoreResult begin();
    [[nodiscard]] StoreResult commit();
    void rollback();

    [[nodiscard]] const QString& path() const { return m_path; }
    [[nodiscard]] bool isServer() const { return m_address.isServer(); }
    // The SQLite connection of a file; null on a server.
    [[nodiscard]] sqlite3* handle() const;

    // The key of the server-side lock of the grouping run.
    static constexpr qint64 GroupingLockKey = 0x7462677270;
    // The key of the lock under which a first connection makes the tables.
    static constexpr qint64 SchemaLockKey = 0x7462736368;

    // Waits for the server-side lock `key` until the transaction ends; nothing on a file,
    // whose writers already take turns.
    [[nodiscard]] StoreResult lockForTransaction(qint64 key);

    // "数据库文件无法打开：" + path + reason.
    [[nodiscard]] static QString cannotOpenText(const QString& path, const QString& reason);
    // The reason of a failed statement in words, from SQLite's result code.
    [[nodiscard]] static QString reasonText(const QSqlError& error);
    // The same from SQLite's own result code, and the engine's words for anything else.
    [[nodiscard]] static QString reasonText(int sqliteCode, const QString& engineText);
    // A query's failed read: "数据库操作失败：" + its reason.
    [[nodiscard]] static StoreResult readFailure(const QSqlQuery& query);

private:
    // Makes a new database file at path with the three empty tables and the indexes. The
    // file is built under another name and renamed into place, so a crash never leaves a
    // half-made database behind.
    [[nodiscard]] static StoreResult createFile(const QString& path);
    [[nodiscard]] StoreResult connect(Access access);
    [[nodiscard]] StoreResult checkTables(Access access);
    [[nodiscard]] StoreResult statementFailure(const QSqlError& error) const;
    [[nodiscard]] StoreResult connectServer(Access access);
    [[nodiscard]] StoreResult prepareServer();
    [[nodiscard]] JetSql::Translation translate(const QString& sql) const;
    // Runs a statement exactly as written, without translation.
    [[nodiscard]] StoreResult execNative(const QString& sql);

    QString m_path;
    StoreAddress m_address;
    bool m_readOnly = false;
    QString m_name;
    int m_busyTimeoutMs;
    QSqlDatabase m_db;
};
