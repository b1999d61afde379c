#pragma once

#include "common/Clock.h"

#include <utility>

// A clock that only moves when something sleeps on it, so a test can tell exactly how
// long the code under test chose to wait, in no real time at all.
class StepClock : public Clock {
public:
    explicit StepClock(QDateTime start = QDateTime(QDate(2008, 4, 30), QTime(10, 51, 2)))
        : m_start(std::move(start)) {}

    [[nodiscard]] QDateTime now() const override { return m_start.addMSecs(m_sleptMs); }
    void sleep(int ms) override { m_sleptMs += ms > 0 ? ms : 0; }
    // Timers still run on real time; keep them short so tests stay quick.
    [[nodiscard]] int timerInterval(int ms) const override { return ms > 100 ? ms / 100 : 1; }

    [[nodiscard]] qint64 sleptMs() const { return m_sleptMs; }

private:
    QDateTime m_start;
    qint64 m_sleptMs = 0;
};
