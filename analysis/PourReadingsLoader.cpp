#include "analysis/PourReadingsLoader.h"

#include "analysis/PourReadings.h"
#include "analysis/ReadingTime.h"
#include "analysis/TemperatureText.h"
#include "common/JetVal.h"
#include "store/RowTexts.h"
#include "store/StoreDb.h"

#include <QByteArray>
#include <QHash>

#include <cmath>
#include <string_view>

namespace analysis {

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

// Takes every row of 表1 into out.
StoreResult readRows(StoreDb& db, PourReadings& out, const PourReadingsLoader::Progress& progress) {
    RowTexts rows(db,
                  {QStringLiteral("日期时间"), QStringLiteral("编号"), QStringLiteral("温度值")});
    if (StoreResult r = rows.select(Statement); !r.ok())
        return r;
    UploadTexts uploads(out);
    qint64 count = 0;
    while (rows.next()) {
        if (++count % ProgressEvery == 0 && progress)
            progress(count);
        const std::string_view dateTime = rows.text(0);
        const int upload = uploads.uploadOf(dateTime);
        if (upload < 0) {
            if (out.unreadableRows++ == 0)
                out.unreadableExample =
                    QString::fromUtf8(dateTime.data(), static_cast<qsizetype>(dateTime.size()));
            continue;
        }
        const std::string_view number = rows.text(1);
        const double sensor = std::round(JetVal::leadingNumber(number.data(), number.size()));
        if (sensor < 0 || sensor >= PourReadings::SensorLimit)
            continue;
        const std::string_view temperature = rows.text(2);
        const auto value = TemperatureText::parse(temperature.data(), temperature.size());
        out.set(upload, static_cast<int>(sensor), value ? *value : std::nan(""));
    }
    return rows.ended();
}

} // namespace

StoreResult PourReadingsLoader::load(const QString& dbPath, PourReadings& out,
                                     const Progress& progress) {
    out = PourReadings();
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (r.ok())
        r = readRows(db, out, progress);
    if (r.ok())
        out.finish();
    return r;
}

} // namespace analysis
