#include "store/UploadSaver.h"

#include "common/NumberText.h"
#include "store/NumberFormat.h"
#include "store/StoreDb.h"

#include <QSqlQuery>

namespace {

// Qt binds a null text as SQL NULL; the column holds text, and an empty cell is empty text.
QString nonNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

double UploadSaver::dataNumberValue(const QString& text) {
    return Val(NumberFormat::format(text, 4, 0));
}

QVector<UploadSaver::Reading> UploadSaver::plan(const QVector<ListRow>& rows, qint16 first,
                                                qint16 last, qint16 offset) {
    QVector<Reading> out;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const double n = dataNumberValue(it->dataNumber);
        if (first <= n && n <= last)
            out.append({PlainNumber(n + offset), it->temperature});
    }
    return out;
}

StoreResult UploadSaver::save(const QString& dbPath, const QString& dateTime,
                              const QVector<Reading>& readings,
                              const std::function<void(int)>& afterEachRow) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (!r.ok())
        return r;
    if (r = db.begin(); !r.ok())
        return r;
    QSqlQuery insert;
    r = db.prepare(QStringLiteral("Insert Into [表1]([日期时间],[编号],[温度值]) values (?,?,?)"),
                   insert);
    int done = 0;
    for (const Reading& reading : readings) {
        if (!r.ok())
            break;
        insert.bindValue(0, nonNull(dateTime));
        insert.bindValue(1, nonNull(reading.number));
        insert.bindValue(2, nonNull(reading.temperature));
        r = db.run(insert);
        if (r.ok() && afterEachRow)
            afterEachRow(++done);
    }
    insert.finish();
    if (r.ok())
        return db.commit();
    db.rollback();
    return r;
}
