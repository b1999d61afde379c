#pragma once

#include <QDate>
#include <QString>

// Which station records a report shows: one station's, or every station's, received within
// a range of dates.
struct StationQuery {
    // The station number that stands for all stations.
    static constexpr int AllStations = 2000;

    int station = 1;
    QDate start;
    QDate end;

    // The station number a chooser's text gives: its leading number, rounded to a whole
    // number (halves to even) and kept within a 16-bit station number.
    [[nodiscard]] static int stationOf(const QString& chooserText);

    // The statement, all stations ordered by station and time, one station by time.
    [[nodiscard]] QString sql() const;
};
