#pragma once

#include <QString>

class QSqlError;

// The reason of a failed SQLite call in the user's words, from SQLite's result code.
class SqliteReason {
public:
    static inline const QString NotADatabase = QStringLiteral("文件不是有效的数据库。");
    static inline const QString Locked = QStringLiteral("文件正被其他程序使用。");

    // From SQLite's own result code, and the engine's words for anything else.
    [[nodiscard]] static QString of(int sqliteCode, const QString& engineText);
    // The same for a failure reported through Qt SQL.
    [[nodiscard]] static QString of(const QSqlError& error);
};
