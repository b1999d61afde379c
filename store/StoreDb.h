#pragma once

#include "StoreResult.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

class QSqlError;
class QSqlQuery;
struct sqlite3;

// One connection to one database file, for the length of one operation: opened at its
// start, closed (and its Qt connection removed) when the object goes out of scope. Every
// statement is written in the program's SQL form and translated by JetSql; val() is
// registered on the connection before anything runs.
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
    // CannotOpen and left exactly as it was.
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

    [[nodiscard]] StoreResult begin();
    [[nodiscard]] StoreResult commit();
    void rollback();

    [[nodiscard]] const QString& path() const { return m_path; }
    [[nodiscard]] sqlite3* handle() const;

    // "数据库文件无法打开：" + path + reason.
    [[nodiscard]] static QString cannotOpenText(const QString& path, const QString& reason);
    // The reason of a failed statement in words, from SQLite's result code.
    [[nodiscard]] static QString reasonText(const QSqlError& error);
    // The same from SQLite's own result code, and the engine's words for anything else.
    [[nodiscard]] static QString reasonText(int sqliteCode, const QString& engineText);

private:
    // Makes a new database file at path with the three empty tables and the indexes. The
    // file is built under another name and renamed into place, so a crash never leaves a
    // half-made database behind.
    [[nodiscard]] static StoreResult createFile(const QString& path);
    [[nodiscard]] StoreResult connect(Access access);
    [[nodiscard]] StoreResult checkTables(Access access);
    [[nodiscard]] StoreResult statementFailure(const QSqlError& error) const;

    QString m_path;
    QString m_name;
    int m_busyTimeoutMs;
    QSqlDatabase m_db;
};
