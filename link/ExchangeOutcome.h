#pragma once

#include <QByteArray>

// How one exchange with the recorder ended.
struct ExchangeOutcome {
    enum class Ending {
        // Bytes arrived: the whole reply, or what came before the line fell quiet.
        Reply,
        // Nothing arrived, nothing was to be read, or the port could not be used.
        NoReply,
        // The port failed while the reply came in (the adapter pulled out); what had
        // arrived is no reply.
        CutShort,
        // Refused: another exchange was still running. Nothing was sent.
        Busy,
    };

    Ending ending = Ending::NoReply;
    // The reply, when it ended as Reply.
    QByteArray bytes;
};
