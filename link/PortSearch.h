#pragma once

#include <QList>

class RS_fun;

// Looks for the recorder on the candidate COM ports, in the order given: each port gets a
// wake-up frame, a second to wake, then an information request; the first port whose
// recorder answers becomes the link's ComPortNo. The link is held busy for the whole search.
class PortSearch {
public:
    enum class Outcome { Found, NotFound, Busy };

    [[nodiscard]] static Outcome AuToConfigCom(RS_fun& rs, const QList<quint8>& candidates);

    // Milliseconds a recorder gets between its wake-up frame and the information request.
    static constexpr int WakeMs = 1000;
};
