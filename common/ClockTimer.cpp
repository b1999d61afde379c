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
    m_clock.arm(*this, m_ms);
}

void ClockTimer::stop() {
    if (!m_active)
        return;
    m_active = false;
    m_clock.disarm(*this);
}

void ClockTimer::elapse() {
    if (!m_active)
        return;
    if (!m_repeating)
        m_active = false;
    emit timeout();
}
