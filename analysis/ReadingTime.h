#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace analysis {

// Upload date-times as date-times. They were typed in the save dialog, so besides the
// usual 2008-04-30 14:25:03 they come as 2008-4-30 9:05, 2008/04/30 14:25, 2008.4.30,
// 2008年4月30日 14时25分 or a date alone (midnight). They carry no time zone: all
// arithmetic runs on the wall clock, so a day is always 24 hours.
namespace ReadingTime {

// Invalid when the text is none of the forms, or names no real date or time.
[[nodiscard]] QDateTime parse(const QString& text);
[[nodiscard]] QDateTime parse(const QByteArray& utf8);

// The stored form, yyyy-MM-dd HH:mm:ss.
[[nodiscard]] QString text(const QDateTime& value);
// A short form for tables and charts, MM-dd HH:mm.
[[nodiscard]] QString shortText(const QDateTime& value);

// The same wall-clock date and time without a zone, for comparing a clock's local time
// with the uploads.
[[nodiscard]] QDateTime wallClock(const QDateTime& local);

// Seconds from the epoch of the wall clock, for arithmetic.
[[nodiscard]] qint64 seconds(const QDateTime& value);

} // namespace ReadingTime

} // namespace analysis
