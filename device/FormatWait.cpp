#include "device/FormatWait.h"

#include "common/ClockTimer.h"
#include "link/CommandTable.h"

FormatWait::FormatWait(RS_fun& rs, Clock& clock, QObject* parent)
    : QObject(parent), m_rs(rs), m_seconds(new ClockTimer(clock, this)) {
    m_seconds->setRepeating(true);
    connect(m_seconds, &ClockTimer::timeout, this, &FormatWait::tick);
}

bool FormatWait::start() {
    std::optional<RS_fun::ExchangeHold> hold = m_rs.Hold();
    if (!hold)
        return false;
    m_hold = std::move(hold);
    m_rs.SendCommand(*m_hold, FormatData, this,
                     [this](const CommandResult& result) { commandEnded(result); });
    return true;
}

void FormatWait::commandEnded(const CommandResult& result) {
    m_answered = result.ok;
    m_step = 2;
    emit second(m_step);
    m_seconds->start(1000);
}

void FormatWait::tick() {
    if (m_step < LastStep) {
        emit second(++m_step);
        return;
    }
    m_seconds->stop();
    m_hold.reset();
    emit finished(m_answered);
}
