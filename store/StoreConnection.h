#pragma once

#include "store/JetSql.h"
#include "store/ReadingsLayout.h"
#include "store/StoreResult.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class QSqlError;
class QSqlQuery;
class TextCursor;

// One Qt SQL connection to one database, for the length of one operation, and what every
// engine does alike on it: statements in the program's SQL form, transactions and the
// failures' words. How a database is opened and the operations each engine does its own way
// are left to FileStore and ServerStore; StoreDb documents them. The Qt connection is
// removed when the object goes.
class StoreConnection {
public:
    enum class Access { ReadWrite, ReadOnly };
    // The server-side locks that make two copies of the program take turns; Pours keeps two
    // copies adding pours at once from taking one id, or one name, twice.
    enum class Lock { Grouping, Schema, Pours };

    // A statement giving at least the first rows of a view, in its order. `lookedUp` when it
    // finds them by lookups rather than by the view's own sort, which a whole statement
    // running beside it would slow.
    struct FirstRowsStatement {
        QString sql;
        bool lookedUp = false;
    };

    // How long a statement waits for another connection's lock before it fails.
    static constexpr int DefaultBusyTimeoutMs = 10000;

    virtual ~StoreConnection();
    StoreConnection(const StoreConnection&) = delete;
    StoreConnection& operator=(const StoreConnection&) = delete;

    [[nodiscard]] virtual StoreResult openDatabase(Access access) = 0;
    [[nodiscard]] virtual StoreResult openFile(Access access) = 0;
    void close();
    [[nodiscard]] bool isOpen() const;

    [[nodiscard]] virtual StoreResult exec(const QString& sql, const QVariantList& values) = 0;
    [[nodiscard]] StoreResult select(const QString& sql, QSqlQuery& query,
                                     const QVariantList& values);
    [[nodiscard]] StoreResult prepare(const QString& sql, QSqlQuery& query);
    [[nodiscard]] StoreResult run(QSqlQuery& query);
    [[nodiscard]] virtual StoreResult checkSelect(const QString& sql) = 0;
    [[nodiscard]] StoreResult tableNames(QStringList& names);

    [[nodiscard]] StoreResult begin();
    [[nodiscard]] StoreResult commit();
    void rollback();

    [[nodiscard]] virtual StoreResult lockForTransaction(Lock lock) = 0;
    [[nodiscard]] virtual QString textType() const = 0;
    [[nodiscard]] virtual QString wholeNumber(const QString& value) const = 0;
    // The grouping's readings: an engine gives the one it finds more quickly (StoreDb).
    [[nodiscard]] virtual QString latestSlotReadings(const QString& slotNumbers,
                                                     int lastNumber) const;
    [[nodiscard]] virtual StoreResult makeLatestReadings(const QString& table, int lastNumber);
    [[nodiscard]] virtual StoreResult selectTexts(const QString& sql, const QStringList& columns,
                                                  std::unique_ptr<TextCursor>& rows) = 0;
    [[nodiscard]] virtual FirstRowsStatement firstRowsStatement(ReadingsLayout::Fill fill,
                                                                const QString& sql, int rows);
    [[nodiscard]] virtual bool quickPreview() const = 0;
    // The statement that appends `rows` rows to `table`, and the values it binds, made from
    // `values` given row by row in the order of `columns`. Rows of one count share a
    // statement, so it may be prepared once for many. By default a row of placeholders per
    // row.
    [[nodiscard]] virtual QString rowsInsert(const QString& table, const QStringList& columns,
                                             int rows) const;
    [[nodiscard]] virtual QVariantList rowsInsertValues(int columns,
                                                        const QVariantList& values) const;
    virtual void interrupt() = 0;
    [[nodiscard]] virtual StoreResult backupInto(const QString& file) = 0;
    [[nodiscard]] virtual StoreResult checkIntact() = 0;
    [[nodiscard]] virtual bool encrypted() = 0;
    [[nodiscard]] virtual StoreResult tablesNotWritable(const QStringList& tables,
                                                        QStringList& refused) = 0;
    [[nodiscard]] virtual StoreResult appendReadings(const QString& backupFile,
                                                     const QString& table) = 0;
    [[nodiscard]] virtual StoreResult queryPlan(const QString& sql, QStringList& steps) = 0;
    [[nodiscard]] QString nativeSql(const QString& sql) const { return translate(sql).sql; }

    // A failed statement: "数据库操作失败：" + reason.
    [[nodiscard]] static StoreResult failed(const QString& reason);

protected:
    StoreConnection(QString path, int busyTimeoutMs);

    [[nodiscard]] virtual JetSql::Translation translate(const QString& sql) const = 0;
    // A failed statement, `sql` as the engine was given it (empty for a transaction's end).
    [[nodiscard]] virtual StoreResult statementFailure(const QSqlError& error,
                                                       const QString& sql) = 0;
    // The reason of a failure in words, for the messages that give only a reason.
    [[nodiscard]] virtual QString reasonText(const QSqlError& error) const = 0;
    // The engine's statement listing its tables by name, in their stored order.
    [[nodiscard]] virtual QString tableNamesStatement() const = 0;
    // Runs inside a writing transaction just before it is committed.
    virtual void beforeCommit() {}

    // "insert into [table]([column],...)", the head of rowsInsert().
    [[nodiscard]] static QString insertInto(const QString& table, const QStringList& columns);
    // Makes this object's Qt connection through `driver`; false when Qt lacks the driver.
    bool addConnection(const QString& driver);
    // Runs a statement already in the engine's form, its ? placeholders filled by `values`.
    [[nodiscard]] StoreResult execTranslated(const QString& sql, const QVariantList& values);
    // The refusal of a statement that would carry rows between a server and a file.
    [[nodiscard]] static StoreResult crossEngineRefusal();
    // The refusal of a statement that is not a plain query where only one may run.
    [[nodiscard]] static StoreResult notAQuery();

    const QString m_path;
    const int m_busyTimeoutMs;
    QSqlDatabase m_db;

private:
    const QString m_name;
};
