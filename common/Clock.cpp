#include "common/Clock.h"

#include <algorithm>
#include <cmath>

int Clock::msSinceMidnight() const {
    return now().time().msecsSinceStartOfDay();
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

ScaledClock::ScaledClock(double speed, QDateTime start)
    : m_speed(std::max(speed, 1.0)), m_start(std::move(start)),
      m_realStartMs(QDateTime::currentMSecsSinceEpoch()) {}

QDateTime ScaledClock::now() const {
    const qint64 realElapsed = QDateTime::currentMSecsSinceEpoch() - m_realStartMs;
    return m_start.addMSecs(static_cast<qint64>(std::llround(realElapsed * m_speed)) + m_offsetMs);
}

int ScaledClock::timerInterval(int ms) const {
    return std::max(1, static_cast<int>(std::lround(ms / m_speed)));
}
