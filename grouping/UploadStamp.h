#pragma once

#include <QString>

// The parts of an upload date-time that a station record carries: the date as yyyy-mm-dd,
// the time as hh:nn:ss, and the record id, their digits run together (yyyymmddhhnnss).
struct UploadStamp {
    QString date;
    QString time;
    QString id;

    // Splits at the first blank. A date or time written in a looser form (2008-4-3, 9:05)
    // gets its full form; a text that reads as neither is kept as written.
    [[nodiscard]] static UploadStamp of(const QString& dateTime);
};
