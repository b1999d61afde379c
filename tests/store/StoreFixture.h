#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A database file of the program's form in a temporary folder, and plain ways to put rows
// in and read them back. Reading goes through the SQLite library directly, not through the
// store, so a test sees what is really in the file.
class StoreFixture {
public:
    StoreFixture();

    [[nodiscard]] QString dir() const { return m_dir.path(); }
    [[nodiscard]] const QString& dbPath() const { return m_dbPath; }
    // A file path inside the temporary folder.
    [[nodiscard]] QString file(const QString& name) const;

    // Makes the database (three empty tables) at dbPath, or at another path.
    void create() const;
    static void createAt(const QString& path);
    // Appends readings to 表1: each entry "日期时间|编号|温度值".
    void addReadings(const QStringList& rows) const;
    static void addReadingsAt(const QString& path, const QStringList& rows);

    // Every row of a select, columns joined by "|"; an empty list for a failing statement.
    [[nodiscard]] QStringList rows(const QString& sql) const;
    [[nodiscard]] static QStringList rowsAt(const QString& path, const QString& sql);
    [[nodiscard]] int readingCount() const;
    [[nodiscard]] static QByteArray fileBytes(const QString& path);

private:
    QTemporaryDir m_dir;
    QString m_dbPath;
};
