#include "store/SqliteReason.h"

#include <QSqlError>

#include <sqlite3.h>

QString SqliteReason::of(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return of(ok ? code : -1, error.text());
}

QString SqliteReason::of(int sqliteCode, const QString& engineText) {
    switch (sqliteCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Locked;
    case SQLITE_NOTADB:
        return NotADatabase;
    case SQLITE_CORRUPT:
        return QStringLiteral("数据库文件已损坏。");
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_IOERR:
        return QStringLiteral("文件无法读写。");
    case SQLITE_READONLY:
        return QStringLiteral("文件只能读取，无法写入。");
    case SQLITE_FULL:
        return QStringLiteral("磁盘已满。");
    default:
        return engineText;
    }
}
