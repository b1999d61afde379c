#include "link/DeviceLink.h"

#include "link/SerialTransport.h"

DeviceLink::DeviceLink(Clock& clock, const TransportFactory& makeTransport, QObject* parent)
    : QObject(parent),
      m_transport(makeTransport ? makeTransport(clock) : std::make_unique<SerialTransport>(clock)),
      m_rs(std::make_unique<RS_fun>(m_state, *m_transport, clock)) {}

DeviceLink::~DeviceLink() = default;
