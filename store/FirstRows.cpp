#include "store/FirstRows.h"

#include "store/NumberTable.h"
#include "store/StoreConnection.h"

#include <QSqlQuery>
#include <QVariantList>

#include <vector>

namespace {

// The numbers of one value, or the null number (which the view puts first).
struct NumberGroup {
    QVariantList texts;
    bool null = false;

    [[nodiscard]] QString condition() const {
        if (null)
            return QStringLiteral("[编号] is null");
        QString marks = QStringLiteral("?");
        for (int k = 1; k < texts.size(); ++k)
            marks += QStringLiteral(",?");
        return QStringLiteral("[编号] in (%1)").arg(marks);
    }
};

bool hasNumberTable(StoreConnection& db) {
    QSqlQuery q;
    return db.select(QStringLiteral("select 1 from sqlite_master where type = 'table' and "
                                    "name = ?"),
                     q, {NumberTable::Name})
               .ok() &&
           q.next();
}

bool numberGroups(StoreConnection& db, std::vector<NumberGroup>& groups) {
    QSqlQuery q;
    if (!db.select(
               QStringLiteral("select [编号], [值] from [%1] order by [值]").arg(NumberTable::Name),
               q, {})
             .ok())
        return false;
    double last = 0;
    while (q.next()) {
        const QVariant text = q.value(0);
        const double value = q.value(1).toDouble();
        // The null number's value is null, which comes first.
        if (text.isNull())
            groups.push_back(NumberGroup{{}, true});
        else if (groups.empty() || groups.back().null || value != last)
            groups.push_back(NumberGroup{{text}, false});
        else
            groups.back().texts.append(text);
        if (!text.isNull())
            last = value;
    }
    return true;
}

// The distinct date-times newest first, walked through the index as far as asked.
class UploadWalk {
public:
    explicit UploadWalk(StoreConnection& db) : m_db(db) {}

    // The k-th newest date-time; false past the oldest, or when it cannot be read.
    bool at(std::size_t k, QVariant& dateTime) {
        while (m_times.size() <= k && !m_ended) {
            QSqlQuery q;
            const bool first = m_times.empty();
            const bool read =
                m_db.select(first ? QStringLiteral("select max([日期时间]) from [表1]")
                                  : QStringLiteral("select max([日期时间]) from [表1] where "
                                                   "[日期时间] < ?"),
                            q, first ? QVariantList{} : QVariantList{m_times.back()})
                    .ok() &&
                q.next();
            if (!read || q.value(0).isNull())
                m_ended = true;
            else
                m_times.push_back(q.value(0));
        }
        if (k >= m_times.size())
            return false;
        dateTime = m_times[k];
        return true;
    }

private:
    StoreConnection& m_db;
    std::vector<QVariant> m_times;
    bool m_ended = false;
};

bool addRows(StoreConnection& db, const QString& sql, const QVariantList& values,
             QStringList& rowids) {
    QSqlQuery q;
    if (!db.select(sql, q, values).ok())
        return false;
    while (q.next())
        rowids.append(q.value(0).toString());
    return true;
}

// The rowids of the first `rows` rows by sensor number, newest first within a value, and
// of the rest of the last upload looked at; false when they cannot be found quickly.
bool firstBySensor(StoreConnection& db, int rows, QStringList& rowids) {
    std::vector<NumberGroup> groups;
    if (!numberGroups(db, groups))
        return false;
    // Each lookup reads one upload; more than a few per row means the smallest numbers are
    // rare among many uploads, and sorting every reading is then the quicker way.
    int lookupsLeft = 4 * rows;
    UploadWalk uploads(db);
    for (const NumberGroup& group : groups) {
        const QString atTime =
            QStringLiteral("select rowid from [表1] where [日期时间] = ? and ") + group.condition();
        QVariant dateTime;
        for (std::size_t k = 0; uploads.at(k, dateTime); ++k) {
            if (--lookupsLeft < 0 ||
                !addRows(db, atTime, QVariantList{dateTime} + group.texts, rowids))
                return false;
            if (rowids.size() >= rows)
                return true;
        }
        // Readings without a date-time come last among those of their number.
        if (!addRows(db,
                     QStringLiteral("select rowid from [表1] where [日期时间] is null and ") +
                         group.condition(),
                     group.texts, rowids))
            return false;
        if (rowids.size() >= rows)
            return true;
    }
    return true;
}

} // namespace

QString FirstRows::statement(StoreConnection& db, ReadingsLayout::Fill fill, int rows) {
    using Fill = ReadingsLayout::Fill;
    if ((fill != Fill::BySensorThenTime && fill != Fill::SensorNumbers) || !hasNumberTable(db))
        return {};
    if (fill == Fill::SensorNumbers)
        return QStringLiteral("select min([编号]) as [编号] from [%1] group by [值] order by "
                              "[值] limit %2")
            .arg(NumberTable::Name)
            .arg(rows);
    QStringList rowids;
    if (!firstBySensor(db, rows, rowids))
        return {};
    return ReadingsLayout::of(fill).sqlOfRows(rowids);
}
