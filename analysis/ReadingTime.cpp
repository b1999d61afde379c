#include "analysis/ReadingTime.h"

#include <QRegularExpression>

namespace analysis {

namespace {

const QRegularExpression& form() {
    // Date with -, /, . or 年月日; then optionally a time with :, or 时分秒.
    static const QRegularExpression re(QStringLiteral(
        "^(\\d{4})\\s*[-/.年]\\s*(\\d{1,2})\\s*[-/.月]\\s*(\\d{1,2})(?:\\s*日)?"
        "(?:(?:\\s+|T|(?<=日))(\\d{1,2})\\s*[:时]\\s*(\\d{1,2})"
        "(?:\\s*[:分]\\s*(\\d{1,2})(?:\\.\\d+)?\\s*秒?|\\s*分)?)?$"));
    return re;
}

} // namespace

QDateTime ReadingTime::parse(const QString& text) {
    const QRegularExpressionMatch m = form().match(text.trimmed());
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time = m.capturedLength(4) == 0
                           ? QTime(0, 0)
                           : QTime(m.captured(4).toInt(), m.captured(5).toInt(),
                                   m.capturedLength(6) == 0 ? 0 : m.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QDateTime ReadingTime::parse(const QByteArray& utf8) {
    return parse(QString::fromUtf8(utf8));
}

QString ReadingTime::text(const QDateTime& value) {
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ReadingTime::shortText(const QDateTime& value) {
    return value.toString(QStringLiteral("MM-dd HH:mm"));
}

QDateTime ReadingTime::wallClock(const QDateTime& local) {
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

qint64 ReadingTime::seconds(const QDateTime& value) {
    return value.toSecsSinceEpoch();
}

} // namespace analysis
