#pragma once

#include "LinkState.h"
#include "RS_fun.h"
#include "SerialTransport.h"

#include <QObject>

class Clock;

// The program's link to the recorder: the shared link state, the serial transport and
// the command routine, made together so they always agree on the state they share.
class DeviceLink : public QObject {
    Q_OBJECT

public:
    explicit DeviceLink(Clock& clock, QObject* parent = nullptr);

    [[nodiscard]] RS_fun& rs() { return m_rs; }
    [[nodiscard]] LinkState& state() { return m_state; }

private:
    LinkState m_state;
    SerialTransport m_transport;
    RS_fun m_rs;
};
