#include "store/UploadSaver.h"

#include "common/NumberText.h"
#include "store/NumberFormat.h"
#include "store/StoreDb.h"
#include "store/StoreSchema.h"

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
                              const std::function<void(int)>& afterInsert) {
    StoreDb db(dbPath);
    StoreResult r = db.openDatabase();
    if (!r.ok())
        return r;
    if (r = db.begin(); !r.ok())
        return r;
    QVector<QVariantList> rows;
    rows.reserve(readings.size());
    for (const Reading& reading : readings)
        rows.append({dateTime, reading.number, reading.temperature});
    r = db.appendRows(StoreSchema::Readings, StoreSchema::ReadingColumnNames, rows, afterInsert);
    if (r.ok())
        return db.commit();
    db.rollback();
    return r;
}
