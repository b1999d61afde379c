#include "grouping/UploadStamp.h"

#include <QDate>
#include <QTime>

namespace {

QString dateText(const QString& text) {
    for (const char* form : {"yyyy-M-d", "yyyy/M/d"}) {
        const QDate d = QDate::fromString(text, QLatin1String(form));
        if (d.isValid())
            return d.toString(QStringLiteral("yyyy-MM-dd"));
    }
    return text;
}

QString timeText(const QString& text) {
    for (const char* form : {"H:m:s", "H:m"}) {
        const QTime t = QTime::fromString(text, QLatin1String(form));
        if (t.isValid())
            return t.toString(QStringLiteral("HH:mm:ss"));
    }
    return text;
}

} // namespace

UploadStamp UploadStamp::of(const QString& dateTime) {
    const qsizetype blank = dateTime.indexOf(QLatin1Char(' '));
    UploadStamp s;
    s.date = dateText(blank < 0 ? dateTime : dateTime.left(blank));
    s.time = blank < 0 ? QStringLiteral("") : timeText(dateTime.mid(blank + 1));
    s.id = s.date + s.time;
    s.id.remove(QLatin1Char('-')).remove(QLatin1Char(':'));
    return s;
}
