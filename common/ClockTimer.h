#pragma once

#include <QObject>
#include <QTimer>

class Clock;

// A timer on a Clock's time: in the program it runs on the wall clock, in a test on the
// clock the test steps. It fires once per start unless it is made to repeat.
class ClockTimer : public QObject {
    Q_OBJECT

signals:
    void timeout();

public:
    explicit ClockTimer(Clock& clock, QObject* parent = nullptr);
    ~ClockTimer() override;

    void setRepeating(bool repeating);
    [[nodiscard]] bool repeating() const { return m_repeating; }

    // (Re)starts the wait: timeout() after ms milliseconds of the clock's time.
    void start(int ms);
    void stop();
    [[nodiscard]] bool isActive() const { return m_active; }
    [[nodiscard]] int intervalMs() const { return m_ms; }

private:
    friend class Clock;
    void elapse();

    Clock& m_clock;
    // Waits on real time, for the clocks that run on it.
    QTimer m_timer;
    int m_ms = 0;
    bool m_repeating = false;
    bool m_active = false;
};
