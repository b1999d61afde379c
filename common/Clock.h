#pragma once

#include <QDateTime>

class ClockTimer;

// Every time-out and wait of the program goes through a Clock, so that tests can run the
// same code on shortened or stepped time while the program keeps the real figures.
class Clock {
public:
    virtual ~Clock() = default;

    // Local date and time as this clock sees it.
    [[nodiscard]] virtual QDateTime now() const = 0;

    // Milliseconds since local midnight, the clock the serial receive rule is measured with.
    [[nodiscard]] int msSinceMidnight() const;

    // The real interval for a timer meant to fire every ms milliseconds of this clock's time.
    [[nodiscard]] virtual int timerInterval(int ms) const = 0;

protected:
    friend class ClockTimer;

    // A clock on real time leaves each timer to wait on its own QTimer and answers false. A
    // clock that a test steps keeps the wait itself, answers true, and fires the timer when its
    // time gets there.
    [[nodiscard]] virtual bool holdWait(ClockTimer& /*timer*/, int /*ms*/) { return false; }
    virtual void dropWait(ClockTimer& /*timer*/) {}
    // Ends a held wait: the timer times out as if its own QTimer had. Defined beside the timer,
    // so that a clock need not know a timer's inside.
    static void fire(ClockTimer& timer);
};

// The wall clock: real time.
class SystemClock : public Clock {
public:
    [[nodiscard]] QDateTime now() const override;
    [[nodiscard]] int timerInterval(int ms) const override { return ms; }
};

// A clock whose time runs `speed` times faster than real time, starting at a chosen moment.
// Timer intervals shrink by the same factor, so every time-out keeps its meaning.
class ScaledClock : public Clock {
public:
    explicit ScaledClock(double speed, QDateTime start = QDateTime::currentDateTime());

    [[nodiscard]] QDateTime now() const override;
    [[nodiscard]] int timerInterval(int ms) const override;

    // Moves this clock's time by ms at once (for crossing midnight in tests).
    void jump(qint64 ms) { m_offsetMs += ms; }

private:
    double m_speed;
    QDateTime m_start;
    qint64 m_realStartMs;
    qint64 m_offsetMs = 0;
};
