#include "DeviceLink.h"

DeviceLink::DeviceLink(Clock& clock, QObject* parent)
    : QObject(parent), m_transport(clock, m_state), m_rs(m_state, m_transport, clock) {}
