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

    // Starts `timer` on its wait of ms milliseconds of this clock's time, or stops it. A clock
    // on real time hands the wait to the timer's own QTimer; a clock that a test steps keeps
    // the wait itself and fires the timer when its time gets there.
    virtual void arm(ClockTimer& timer, int ms);
    virtual void disarm(ClockTimer& timer);
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
