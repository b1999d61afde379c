#include "common/ClockTimer.h"

#include "common/Clock.h"

ClockTimer::ClockTimer(Clock& clock, QObject* parent) : QObject(parent), m_clock(clock) {
    // Receive rules and settling times are counted in milliseconds; a coarse timer could
    // stretch a 100 ms wait by several of them.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ClockTimer::elapse);
}

ClockTimer::~ClockTimer() {
    stop();
}

void ClockTimer::setRepeating(bool repeating) {
    m_repeating = repeating;
    m_timer.setSingleShot(!repeating);
}

void ClockTimer::start(int ms) {
    stop();
    m_ms = ms > 0 ? ms : 0;
    m_active = true;
    if (!m_clock.holdWait(*this, m_ms))
        m_timer.start(m_clock.timerInterval(m_ms));
}

void ClockTimer::stop() {
    if (!m_active)
        return;
    m_active = false;
    m_timer.stop();
    m_clock.dropWait(*this);
}

void ClockTimer::elapse() {
    if (!m_active)
        return;
    if (!m_repeating)
        m_active = false;
    emit timeout();
}

void Clock::fire(ClockTimer& timer) {
    timer.elapse();
}
