#pragma once

#include "store/StoreAddress.h"
#include "store/StoreConnection.h"

// A database on a PostgreSQL server, named by a StoreAddress. The first connection that may
// write makes the three tables and val() in an empty database; statements are translated by
// ServerDialect. A failure to reach the server, or a connection lost on the way, is retryable.
class ServerStore : public StoreConnection {
public:
    explicit ServerStore(QString path, int busyTimeoutMs = DefaultBusyTimeoutMs);

    [[nodiscard]] StoreResult openDatabase(Access access) override;
    [[nodiscard]] StoreResult openFile(Access access) override;

    [[nodiscard]] StoreResult exec(const QString& sql, const QVariantList& values) override;
    [[nodiscard]] StoreResult checkSelect(const QString& sql) override;

    [[nodiscard]] StoreResult lockForTransaction(Lock lock) override;
    [[nodiscard]] QString textType() const override;
    [[nodiscard]] QString wholeNumber(const QString& value) const override;
    [[nodiscard]] QString latestSlotReadings(const QString& slotNumbers,
                                             int lastNumber) const override;
    [[nodiscard]] StoreResult selectTexts(const QString& sql, const QStringList& columns,
                                          std::unique_ptr<TextCursor>& rows) override;
    [[nodiscard]] bool quickPreview() const override;
    [[nodiscard]] QString rowsInsert(const QString& table, const QStringList& columns,
                                     int rows) const override;
    [[nodiscard]] QVariantList rowsInsertValues(int columns,
                                                const QVariantList& values) const override;
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

private:
    [[nodiscard]] StoreResult connect(Access access);
    // "无法连接数据库服务器：" + the server + reason, the connection closed.
    [[nodiscard]] StoreResult refused(StoreResult::Kind kind, const QString& reason);
    // Why the server refused to open, from its own words.
    [[nodiscard]] StoreResult refusal(const QString& engineText);
    // The refusal of a statement for lack of a right, naming the right.
    [[nodiscard]] StoreResult missingRight(const QSqlError& error, const QString& sql) const;
    // Makes the tables, val() and the indexes where they are missing, and replaces an
    // earlier version's val().
    [[nodiscard]] StoreResult prepareDatabase();
    [[nodiscard]] StoreResult makeMissing(bool makeVal, const QStringList& missing);
    // Runs a statement exactly as written, without translation or preparing.
    [[nodiscard]] StoreResult execNative(const QString& sql);

    StoreAddress m_address;
    bool m_readOnly = false;
};
