#pragma once

#include "curves/StationChart.h"

#include <QDate>
#include <QString>

class ChartSurface;
class QPainter;

// Draws the temperature chart of one station: the grid from -20 to 100 °C, the time axis
// with its half-hour, 6-hour, 12-hour and day marks, legend and title, and the curves of
// the station's eight sensors read from table 测量数据. After a draw the window reads
// LastDataX and ChartRightX to scroll the picture to the newest data; both keep their
// values through draws that find no records, for as long as this object lives.
class MyFunctions {
public:
    explicit MyFunctions(QString databasePath);

    [[nodiscard]] const QString& databasePath() const { return m_databasePath; }

    // x (twips) of the newest record's half-hour slot in the last draw that found records.
    qint32 LastDataX = 0;
    // x (twips) of the right end of the time axis of that draw.
    qint32 ChartRightX = 0;

    // Draws the whole chart through the painter, whose device sets the scale. dayCount is
    // limited to 1..365 and the limited value written back. The chart starts at midnight
    // of endDate - (dayCount - 1) days and ends at 24:00 of endDate. statusText receives
    // whether the station has records in the range, or why they could not be read.
    void DrawStationChart(qint16 station, qint32 leftMarginHours, qint32 topOffset,
                          const QDate& endDate, qint16& dayCount, QPainter& target, bool withLegend,
                          QString& statusText);
    // The two halves of a draw: the records of the range, read with dayCount limited as
    // above, and the chart of them painted through the painter.
    [[nodiscard]] StationChart ReadStationChart(qint16 station, qint32 leftMarginHours,
                                                qint32 topOffset, const QDate& endDate,
                                                qint16& dayCount) const;
    void PaintStationChart(const StationChart& chart, QPainter& target, bool withLegend,
                           QString& statusText);

    static inline const QString NoDataText = QStringLiteral("该站点在设定的时间段内尚无数据！");
    static inline const QString HasDataText = QStringLiteral("该站点在设定的时间段内有数据存在！");

private:
    void DrawStationCurves(const StationChart& chart, ChartSurface& surface, QString& statusText);

    QString m_databasePath;
};
