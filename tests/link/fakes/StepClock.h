#pragma once

#include "common/Clock.h"
#include "common/ClockTimer.h"

#include <algorithm>
#include <utility>
#include <vector>

// A clock that moves only when the test moves it, firing the timers that fall due on the
// way, each at its own time: a test can tell exactly how long the code chose to wait, in no
// real time at all.
class StepClock : public Clock {
public:
    explicit StepClock(QDateTime start = QDateTime(QDate(2008, 4, 30), QTime(10, 51, 2)))
        : m_start(std::move(start)) {}

    [[nodiscard]] QDateTime now() const override { return m_start.addMSecs(m_elapsedMs); }
    // Plain QTimers of other windows still run on real time; keep them short.
    [[nodiscard]] int timerInterval(int ms) const override { return ms > 100 ? ms / 100 : 1; }

    [[nodiscard]] qint64 elapsedMs() const { return m_elapsedMs; }

    // Moves time on by ms.
    void advance(qint64 ms) {
        const qint64 until = m_elapsedMs + std::max<qint64>(ms, 0);
        while (fireNextDueBy(until)) {
        }
        m_elapsedMs = until;
    }

    // Moves time on from one waiting timer to the next until none waits any more, or until
    // `limitMs` has passed (a timer that repeats for ever); false in that case.
    bool runTimers(qint64 limitMs = 24LL * 3600 * 1000) {
        const qint64 until = m_elapsedMs + limitMs;
        while (fireNextDueBy(until)) {
        }
        return m_waits.empty();
    }

    [[nodiscard]] bool waiting() const { return !m_waits.empty(); }

protected:
    bool holdWait(ClockTimer& timer, int ms) override {
        m_waits.push_back({&timer, m_elapsedMs + ms, m_order++});
        return true;
    }
    void dropWait(ClockTimer& timer) override {
        m_waits.erase(std::remove_if(m_waits.begin(), m_waits.end(),
                                     [&timer](const Wait& w) { return w.timer == &timer; }),
                      m_waits.end());
    }

private:
    struct Wait {
        ClockTimer* timer;
        qint64 dueMs;
        quint64 order; // timers due together fire in the order they were started
    };

    bool fireNextDueBy(qint64 until) {
        const auto next =
            std::min_element(m_waits.begin(), m_waits.end(), [](const Wait& a, const Wait& b) {
                return std::pair(a.dueMs, a.order) < std::pair(b.dueMs, b.order);
            });
        if (next == m_waits.end() || next->dueMs > until)
            return false;
        const Wait due = *next;
        m_waits.erase(next);
        m_elapsedMs = std::max(m_elapsedMs, due.dueMs);
        if (due.timer->repeating())
            m_waits.push_back(
                {due.timer, due.dueMs + std::max(due.timer->intervalMs(), 1), m_order++});
        fire(*due.timer);
        return true;
    }

    QDateTime m_start;
    qint64 m_elapsedMs = 0;
    std::vector<Wait> m_waits;
    quint64 m_order = 0;
};
