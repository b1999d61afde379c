#pragma once

#include "link/CommandResult.h"
#include "link/RS_fun.h"

#include <QList>
#include <QObject>

#include <optional>

class Clock;
class ClockTimer;

// Looks for the recorder on the candidate COM ports, in the order given: each port gets a
// wake-up frame, a second to wake, then an information request; the first port whose
// recorder answers becomes the link's ComPortNo. The link is held for the whole search, so
// no other command slips in between two probes.
class PortSearch : public QObject {
    Q_OBJECT

signals:
    // The search is over and the link free again. `information` is the answering
    // recorder's, when one answered.
    void finished(bool found, const DeviceInfo& information);

public:
    PortSearch(RS_fun& rs, Clock& clock, QObject* parent = nullptr);

    // Starts the search; false, with nothing probed, while the link is busy.
    [[nodiscard]] bool start(const QList<quint8>& candidates);

    // Milliseconds a recorder gets between its wake-up frame and the information request.
    static constexpr int WakeMs = 1000;

private:
    void wakeNext();
    void ask();
    void answered(const CommandResult& result);
    void finish(bool found, const DeviceInfo& information);

    RS_fun& m_rs;
    ClockTimer* m_wake;
    std::optional<RS_fun::ExchangeHold> m_hold;
    QList<quint8> m_candidates;
};
