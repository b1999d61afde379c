#include "link/PortSearch.h"

#include "common/Pause.h"
#include "link/CommandTable.h"
#include "link/LinkState.h"
#include "link/RS_fun.h"

PortSearch::Outcome PortSearch::AuToConfigCom(RS_fun& rs, const QList<quint8>& candidates) {
    const std::optional<RS_fun::ExchangeHold> hold = rs.Hold();
    if (!hold)
        return Outcome::Busy;
    quint8& port = rs.state().ComPortNo;
    port = 0;
    for (quint8 candidate : candidates) {
        port = candidate;
        rs.SendCommand(*hold, WakeUp);
        Pause(rs.clock(), WakeMs);
        if (rs.SendCommand(*hold, ReadInfo))
            return Outcome::Found;
        port = 0;
    }
    return Outcome::NotFound;
}
