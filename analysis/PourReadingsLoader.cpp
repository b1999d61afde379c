#include "PourReadingsLoader.h"

#include "JetVal.h"
#include "PourReadings.h"
#include "ReadingTime.h"
#include "StoreDb.h"
#include "TemperatureText.h"

#include <QByteArray>
#include <QHash>

#include <sqlite3.h>

#include <cmath>

namespace {

constexpr qint64 ProgressEvery = 1 << 16;

struct Column {
    const char* text;
    std::size_t length;
};

Column column(sqlite3_stmt* statement, int index) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    const int bytes = sqlite3_column_bytes(statement, index);
    return {text ? text : "", static_cast<std::size_t>(bytes)};
}

// The upload of each date-time text; -1 for a text that names no moment. Rows of one
// upload are stored together, so the text of the row before usually answers at once.
class UploadTexts {
public:
    explicit UploadTexts(PourReadings& readings) : m_readings(readings) {}

    int uploadOf(const Column& text) {
        if (m_last >= -1 && m_lastText.size() == static_cast<qsizetype>(text.length) &&
            std::equal(text.text, text.text + text.length, m_lastText.constData()))
            return m_last;
        m_lastText = QByteArray(text.text, static_cast<qsizetype>(text.length));
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

} // namespace

StoreResult PourReadingsLoader::load(const QString& dbPath, PourReadings& out,
                                     const Progress& progress) {
    out = PourReadings();
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (!r.ok())
        return r;
    // A million rows pass through here: the SQLite statement is walked directly, without
    // a QVariant per value.
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("select [日期时间], [编号], [温度值] from [表1]").toUtf8();
    if (sqlite3_prepare_v2(db.handle(), sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    QStringLiteral("数据库操作失败：") +
                                        QString::fromUtf8(sqlite3_errmsg(db.handle())));
    UploadTexts uploads(out);
    qint64 rows = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (++rows % ProgressEvery == 0 && progress)
            progress(rows);
        const Column when = column(statement, 0);
        const int upload = uploads.uploadOf(when);
        if (upload < 0) {
            if (out.unreadableRows++ == 0)
                out.unreadableExample = QString::fromUtf8(when.text, static_cast<qsizetype>(when.length));
            continue;
        }
        const Column number = column(statement, 1);
        const double sensor = std::round(JetVal::leadingNumber(number.text, number.length));
        if (sensor < 0 || sensor >= PourReadings::SensorLimit)
            continue;
        const Column reading = column(statement, 2);
        const auto value = TemperatureText::parse(reading.text, reading.length);
        out.set(upload, static_cast<int>(sensor), value ? *value : std::nan(""));
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(db.handle()));
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        return StoreResult::failure(StoreResult::Kind::Failed,
                                    QStringLiteral("数据库操作失败：") + error);
    out.finish();
    return {};
}
