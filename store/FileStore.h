#pragma once

#include "store/StoreConnection.h"

struct sqlite3;

// A database file on this computer, through SQLite: made with its three tables when it is
// missing, val() registered on the connection before anything runs, and a write-ahead log
// so that saves and views never wait for each other. A writable connection to the
// program's database also keeps its number table (NumberTable) up to date.
class FileStore : public StoreConnection {
public:
    explicit FileStore(QString path, int busyTimeoutMs = DefaultBusyTimeoutMs);

    [[nodiscard]] StoreResult openDatabase(Access access) override;
    [[nodiscard]] StoreResult openFile(Access access) override;

    [[nodiscard]] StoreResult exec(const QString& sql, const QVariantList& values) override;
    [[nodiscard]] StoreResult checkSelect(const QString& sql) override;

    [[nodiscard]] StoreResult lockForTransaction(Lock lock) override;
    [[nodiscard]] QString textType() const override;
    [[nodiscard]] QString wholeNumber(const QString& value) const override;
    [[nodiscard]] StoreResult makeLatestReadings(const QString& table, int lastNumber) override;
    [[nodiscard]] StoreResult selectTexts(const QString& sql, const QStringList& columns,
                                          std::unique_ptr<TextCursor>& rows) override;
    [[nodiscard]] FirstRowsStatement firstRowsStatement(ReadingsLayout::Fill fill,
                                                        const QString& sql, int rows) override;
    [[nodiscard]] bool quickPreview() const override;
    void interrupt() override;
    [[nodiscard]] StoreResult backupInto(const QString& file) override;
    [[nodiscard]] StoreResult checkIntact() override;
    [[nodiscard]] bool encrypted() override;
    [[nodiscard]] StoreResult tablesNotWritable(const QStringList& tables,
                                                QStringList& refused) override;
    [[nodiscard]] StoreResult appendReadings(const QString& backupFile,
                                             const QString& table) override;
    [[nodiscard]] StoreResult queryPlan(const QString& sql, QStringList& steps) override;

protected:
    [[nodiscard]] JetSql::Translation translate(const QString& sql) const override;
    [[nodiscard]] StoreResult statementFailure(const QSqlError& error, const QString& sql) override;
    [[nodiscard]] QString reasonText(const QSqlError& error) const override;
    [[nodiscard]] QString tableNamesStatement() const override;
    // Takes the readings this transaction stored into the number table.
    void beforeCommit() override;

private:
    // "数据库文件无法打开：" + path + reason, kind CannotOpen.
    [[nodiscard]] static StoreResult cannotOpen(const QString& path, const QString& reason);
    // Makes a new database file at path with its empty tables and indexes. The
    // file is built under another name and renamed into place, so a crash never leaves a
    // half-made database behind.
    [[nodiscard]] static StoreResult createFile(const QString& path);
    [[nodiscard]] StoreResult connect(Access access);
    [[nodiscard]] StoreResult checkTables(Access access);
    // Turns on SQLite's protections for files that may come from outside.
    [[nodiscard]] static bool guard(sqlite3* h);
    [[nodiscard]] StoreResult refuseTriggers();
    // Runs a statement that writes into another file, attached for its length.
    [[nodiscard]] StoreResult execAttached(const JetSql::Translation& t,
                                           const QVariantList& values);
    // Copies this database page by page into the open, empty file `copy`; SQLite's result.
    [[nodiscard]] int copyPages(FileStore& copy) const;
    // The SQLite connection; null while closed.
    [[nodiscard]] sqlite3* handle() const;

    // Whether this connection keeps the number table up with what it stores.
    bool m_keepsNumbers = false;
};
