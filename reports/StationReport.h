#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QStringList>

struct StationQuery;
struct StationRecord;

// The station report as fixed-layout text lines: the list of the report window, and the
// text file made from that list.
namespace StationReport {

// The list's header line. Its first group is framed by em dashes; every column below lines
// up with it character by character.
inline const QString ListHeader =
    QStringLiteral("——测量日期和时间——   站点编号-传感器1--传感器2--传感器3--传感器4--传感器5--"
                   "传感器6--传感器7--传感器8-");

// One record's line: time, station (two digits at least) and the eight temperatures.
[[nodiscard]] QString listLine(const StationRecord& record);

// The list: the header line, then a line per record in report order. On failure the list
// holds the header line and the lines read so far.
[[nodiscard]] StoreResult readList(const QString& dbPath, const StationQuery& query,
                                   QStringList& lines);

// The text file: the station's title centred over the header line, an empty line, then the
// list as shown.
[[nodiscard]] QStringList textFileLines(int station, const QStringList& list);

} // namespace StationReport
