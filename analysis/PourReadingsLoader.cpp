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
const QString Statement = QStringLiteral("select [日期时间], [编号], [温度值] from [表1]%1 order by rowid");

// Every date-time text once, each found by one step down the index on 日期时间 from the
// one before, rather than by walking the index's million entries.
const QString DistinctTexts = QStringLiteral(
    "with recursive t(d) as (select min([日期时间]) from [表1] union all "
    "select (select min([日期时间]) from [表1] where [日期时间] > t.d) from t where t.d is not null) "
    "select d from t where d is not null");

// Past this many uploads a list of them costs more than reading every row.
constexpr int MostListedTexts = 5000;

QString quoted(QString text) {
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// The condition that keeps the uploads from `from` on to the rows of their texts, found
// through the index on 日期时间; empty for every row. A text that names no moment is kept,
// so its rows are counted as unreadable. `none` is set when no upload is in the window.
StoreResult windowOf(StoreDb& db, const QDateTime& from, QString& condition, bool& none) {
    condition.clear();
    none = false;
    if (!from.isValid())
        return {};
    RowTexts texts(db, {QStringLiteral("d")});
    StoreResult r = texts.select(DistinctTexts);
    if (!r.ok())
        return r;
    QStringList kept;
    int count = 0;
    while (texts.next()) {
        ++count;
        const std::string_view text = texts.text(0);
        const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
        const QDateTime moment = ReadingTime::parse(bytes);
        if (!moment.isValid() || moment >= from)
            kept << quoted(QString::fromUtf8(bytes));
    }
    r = texts.ended();
    none = r.ok() && kept.isEmpty();
    if (r.ok() && kept.size() < count && kept.size() <= MostListedTexts)
        condition = QStringLiteral(" where [日期时间] in (") + kept.join(QLatin1Char(',')) + QLatin1Char(')');
    return r;
}

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

// Takes the rows of 表1 that `condition` keeps into out, with the sensors the selection keeps.
StoreResult readRows(StoreDb& db, const QString& condition, const std::vector<bool>& sensors,
                     PourReadings& out, const PourReadingsLoader::Progress& progress) {
    RowTexts rows(db,
                  {QStringLiteral("日期时间"), QStringLiteral("编号"), QStringLiteral("温度值")});
    if (StoreResult r = rows.select(Statement.arg(condition)); !r.ok())
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
        if (!sensors.empty() && !sensors[static_cast<std::size_t>(sensor)]) {
            out.list(static_cast<int>(sensor));
            continue;
        }
        const std::string_view temperature = rows.text(2);
        const auto value = TemperatureText::parse(temperature.data(), temperature.size());
        out.set(upload, static_cast<int>(sensor), value ? *value : std::nan(""));
    }
    return rows.ended();
}

} // namespace

StoreResult PourReadingsLoader::load(const QString& dbPath, const Selection& selection,
                                     PourReadings& out, const Progress& progress) {
    out = PourReadings();
    StoreDb db(dbPath);
    QString condition;
    bool none = false;
    StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
    if (r.ok())
        r = windowOf(db, selection.from, condition, none);
    if (r.ok() && !none)
        r = readRows(db, condition, selection.sensors, out, progress);
    if (r.ok())
        out.finish();
    return r;
}

} // namespace analysis
