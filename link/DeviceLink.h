#pragma once

#include "link/LinkState.h"
#include "link/RS_fun.h"
#include "link/Transport.h"

#include <QObject>

#include <functional>
#include <memory>

class Clock;

// The program's link to the recorder: the link state, the transport and the command
// routine, made together so they always agree on the port they share.
class DeviceLink : public QObject {
    Q_OBJECT

public:
    // Makes the transport of a link; the serial port unless a test hands in another.
    using TransportFactory = std::function<std::unique_ptr<Transport>(Clock&)>;

    explicit DeviceLink(Clock& clock, const TransportFactory& makeTransport = {},
                        QObject* parent = nullptr);
    ~DeviceLink() override;

    [[nodiscard]] RS_fun& rs() { return *m_rs; }
    [[nodiscard]] LinkState& state() { return m_state; }

private:
    LinkState m_state;
    std::unique_ptr<Transport> m_transport;
    std::unique_ptr<RS_fun> m_rs;
};
