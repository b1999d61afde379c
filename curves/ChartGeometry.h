#pragma once

#include <QDate>
#include <QtGlobal>

// The fixed geometry of a station chart, in twips (y grows downwards). A temperature T is
// drawn at y = zeroLine - 40 T and an instant at 200 twips per hour from the start date's
// midnight, which sits at originX.
class ChartGeometry {
public:
    static constexpr int HourWidth = 200;
    static constexpr int HalfHourStep = HourWidth / 2;
    static constexpr int DegreeHeight = 40;
    static constexpr int SlotsPerDay = 48;
    static constexpr int MaxDays = 365;
    // Width the picture keeps to the right of the time axis.
    static constexpr int PictureRightMargin = 200;
    // Height of the chart picture: the plot area, the scale numbers below it and a margin.
    static constexpr int PictureHeight = 6200;

    // The day count is limited to 1..MaxDays.
    ChartGeometry(qint32 leftMarginHours, qint32 topOffset, const QDate& endDate, qint32 dayCount);

    [[nodiscard]] static qint16 CappedDayCount(qint32 dayCount);
    // Width of the picture a chart of that many days needs, before any widening to the
    // window: the time axis' right end and its margin.
    [[nodiscard]] static qint32 PictureWidth(qint32 dayCount, qint32 leftMarginHours);

    [[nodiscard]] qint16 dayCount() const { return m_dayCount; }
    [[nodiscard]] int slotCount() const { return SlotsPerDay * m_dayCount; }
    [[nodiscard]] const QDate& startDate() const { return m_startDate; }
    [[nodiscard]] const QDate& endDate() const { return m_endDate; }
    [[nodiscard]] qint32 topOffset() const { return m_topOffset; }

    [[nodiscard]] qint32 originX() const { return m_originX; }
    [[nodiscard]] qint32 rightEnd() const;
    [[nodiscard]] qint32 topLine() const { return m_topOffset + 1000; }
    [[nodiscard]] qint32 zeroLine() const { return m_topOffset + 5050; }
    [[nodiscard]] qint32 bottomLine() const { return zeroLine() + 20 * DegreeHeight; }

    [[nodiscard]] qint32 slotX(int slot) const { return m_originX + HalfHourStep * slot; }
    [[nodiscard]] qint32 temperatureY(int degrees) const {
        return zeroLine() - DegreeHeight * degrees;
    }

private:
    qint32 m_topOffset;
    qint32 m_originX;
    qint16 m_dayCount;
    QDate m_endDate;
    QDate m_startDate;
};
