#include "link/PortSearch.h"

#include "common/ClockTimer.h"
#include "link/CommandTable.h"
#include "link/LinkState.h"

PortSearch::PortSearch(RS_fun& rs, Clock& clock, QObject* parent)
    : QObject(parent), m_rs(rs), m_wake(new ClockTimer(clock, this)) {
    connect(m_wake, &ClockTimer::timeout, this, &PortSearch::ask);
}

bool PortSearch::start(const QList<quint8>& candidates) {
    std::optional<RS_fun::ExchangeHold> hold = m_rs.Hold();
    if (!hold)
        return false;
    m_hold = std::move(hold);
    m_candidates = candidates;
    m_rs.state().ComPortNo = 0;
    wakeNext();
    return true;
}

void PortSearch::wakeNext() {
    if (m_candidates.isEmpty()) {
        finish(false, {});
        return;
    }
    m_rs.state().ComPortNo = m_candidates.takeFirst();
    // Nothing comes back from a wake-up; the recorder gets its second either way.
    m_rs.SendCommand(*m_hold, WakeUp, this,
                     [this](const CommandResult&) { m_wake->start(WakeMs); });
}

void PortSearch::ask() {
    m_rs.SendCommand(*m_hold, ReadInfo, this,
                     [this](const CommandResult& result) { answered(result); });
}

void PortSearch::answered(const CommandResult& result) {
    if (result.ok) {
        finish(true, result.info);
        return;
    }
    m_rs.state().ComPortNo = 0;
    wakeNext();
}

void PortSearch::finish(bool found, const DeviceInfo& information) {
    m_hold.reset();
    emit finished(found, information);
}
