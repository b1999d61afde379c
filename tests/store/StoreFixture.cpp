#include "tests/store/StoreFixture.h"

#include "store/StoreDb.h"

#include <QFile>
#include <QTest>

#include <sqlite3.h>

StoreFixture::StoreFixture() : m_dbPath(m_dir.filePath(QStringLiteral("数据库.mdb"))) {}

QString StoreFixture::file(const QString& name) const {
    return m_dir.filePath(name);
}

void StoreFixture::create() const {
    createAt(m_dbPath);
}

void StoreFixture::createAt(const QString& path) {
    StoreDb db(path);
    const StoreResult r = db.openDatabase();
    QVERIFY2(r.ok(), qPrintable(r.message()));
}

void StoreFixture::addReadings(const QStringList& rows) const {
    addReadingsAt(m_dbPath, rows);
}

void StoreFixture::addReadingsAt(const QString& path, const QStringList& rows) {
    StoreDb db(path);
    StoreResult r = db.openDatabase();
    QVERIFY2(r.ok(), qPrintable(r.message()));
    QVERIFY(db.begin().ok());
    for (const QString& row : rows) {
        const QStringList f = row.split(QLatin1Char('|'));
        r = db.exec(QStringLiteral("insert into [表1] values (?, ?, ?)"), {f[0], f[1], f[2]});
        QVERIFY2(r.ok(), qPrintable(r.message()));
    }
    QVERIFY(db.commit().ok());
}

QStringList StoreFixture::rows(const QString& sql) const {
    return rowsAt(m_dbPath, sql);
}

QStringList StoreFixture::rowsAt(const QString& path, const QString& sql) {
    QStringList out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return out;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList fields;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                fields.append(text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
            }
            out.append(fields.join(QLatin1Char('|')));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

int StoreFixture::readingCount() const {
    const QStringList r = rows(QStringLiteral("select count(*) from [表1]"));
    return r.isEmpty() ? -1 : r.first().toInt();
}

QByteArray StoreFixture::fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
