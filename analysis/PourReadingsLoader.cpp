#include "PourReadingsLoader.h"

#include "JetSql.h"
#include "JetVal.h"
#include "PourReadings.h"
#include "ReadingTime.h"
#include "StoreDb.h"
#include "TemperatureText.h"

#include <QByteArray>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

#include <cmath>
#include <string_view>

namespace {

constexpr qint64 ProgressEvery = 1 << 16;

// Stored order decides which of two readings of one sensor at one moment counts, so it is
// asked for on both engines; a file walks its rows in that order anyway.
const QString Statement =
    QStringLiteral("select [日期时间], [编号], [温度值] from [表1] order by rowid");

// The upload of each date-time text; -1 for a text that names no moment. Rows of one
// upload are stored together, so the text of the row before usually answers at once.
class UploadTexts {
public:
    explicit UploadTexts(PourReadings& readings) : m_readings(readings) {}

    int uploadOf(std::string_view text) {
        if (m_last >= -1 && std::string_view(m_lastText.constData(),
                                             static_cast<std::size_t>(m_lastText.size())) == text)
            return m_last;
        m_lastText = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
        auto it = m_known.constFind(m_lastText);
        if (it == m_known.constEnd()) {
            const QDateTime moment = ReadingTime::parse(m_lastText);
            it = m_known.insert(m_lastText, moment.isValid() ? m_readings.uploadAt(moment) : -1);
        }
        m_last = *it;
        return m_last;
    }

private:
    PourReadings& m_readings;
    QHash<QByteArray, int> m_known;
    QByteArray m_lastText;
    int m_last = -2;
};

// Takes every row nextRow hands over (date-time, number and temperature as UTF-8) into out;
// the row source is the engine's, the rule is one.
template <typename NextRow>
void consume(PourReadings& out, const PourReadingsLoader::Progress& progress, NextRow&& nextRow) {
    UploadTexts uploads(out);
    qint64 rows = 0;
    std::string_view cells[3];
    while (nextRow(cells)) {
        if (++rows % ProgressEvery == 0 && progress)
            progress(rows);
        const int upload = uploads.uploadOf(cells[0]);
        if (upload < 0) {
            if (out.unreadableRows++ == 0)
                out.unreadableExample =
                    QString::fromUtf8(cells[0].data(), static_cast<qsizetype>(cells[0].size()));
            continue;
        }
        const double sensor = std::round(JetVal::leadingNumber(cells[1].data(), cells[1].size()));
        if (sensor < 0 || sensor >= PourReadings::SensorLimit)
            continue;
        const auto value = TemperatureText::parse(cells[2].data(), cells[2].size());
        out.set(upload, static_cast<int>(sensor), value ? *value : std::nan(""));
    }
}

StoreResult failure(const QString& reason) {
    return StoreResult::failure(StoreResult::Kind::Failed,
                                QStringLiteral("数据库操作失败：") + reason);
}

// A million rows pass through here: the SQLite statement is walked directly, without a
// QVariant per value.
StoreResult readFile(StoreDb& db, PourReadings& out, const PourReadingsLoader::Progress& progress) {
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = JetSql::translate(Statement).sql.toUtf8();
    if (sqlite3_prepare_v2(db.handle(), sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
        return failure(QString::fromUtf8(sqlite3_errmsg(db.handle())));
    int rc = SQLITE_ROW;
    consume(out, progress, [&](std::string_view* cells) {
        if ((rc = sqlite3_step(statement)) != SQLITE_ROW)
            return false;
        for (int i = 0; i < 3; ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            cells[i] = text ? std::string_view(text, static_cast<std::size_t>(
                                                         sqlite3_column_bytes(statement, i)))
                            : std::string_view();
        }
        return true;
    });
    const QString error = QString::fromUtf8(sqlite3_errmsg(db.handle()));
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE ? StoreResult() : failure(error);
}

StoreResult readServer(StoreDb& db, PourReadings& out,
                       const PourReadingsLoader::Progress& progress) {
    QSqlQuery query;
    if (StoreResult r = db.select(Statement, query); !r.ok())
        return r;
    QByteArray bytes[3];
    consume(out, progress, [&](std::string_view* cells) {
        if (!query.next())
            return false;
        for (int i = 0; i < 3; ++i) {
            bytes[i] = query.value(i).toString().toUtf8();
            cells[i] = std::string_view(bytes[i].constData(), static_cast<std::size_t>(bytes[i].size()));
        }
        return true;
    });
    return query.lastError().isValid() ? failure(query.lastError().databaseText()) : StoreResult();
}

} // namespace

StoreResult PourReadingsLoader::load(const QString& dbPath, PourReadings& out,
                                     const Progress& progress) {
    out = PourReadings();
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (r.ok())
        r = db.isServer() ? readServer(db, out, progress) : readFile(db, out, progress);
    if (r.ok())
        out.finish();
    return r;
}
