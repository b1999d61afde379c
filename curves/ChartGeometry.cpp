#include "curves/ChartGeometry.h"

#include <algorithm>

ChartGeometry::ChartGeometry(qint32 leftMarginHours, qint32 topOffset, const QDate& endDate,
                             qint32 dayCount)
    : m_topOffset(topOffset), m_originX(HourWidth * leftMarginHours),
      m_dayCount(CappedDayCount(dayCount)), m_endDate(endDate),
      m_startDate(endDate.addDays(1 - m_dayCount)) {}

qint16 ChartGeometry::CappedDayCount(qint32 dayCount) {
    return static_cast<qint16>(std::clamp(dayCount, 1, MaxDays));
}

qint32 ChartGeometry::PictureWidth(qint32 dayCount, qint32 leftMarginHours) {
    return HourWidth * (24 * CappedDayCount(dayCount) + leftMarginHours) + PictureRightMargin;
}

qint32 ChartGeometry::rightEnd() const {
    return HourWidth * 24 * m_dayCount + m_originX;
}
