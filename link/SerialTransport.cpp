#include "link/SerialTransport.h"

#include "common/Clock.h"
#include "link/LinkState.h"
#include "link/ReplyCollector.h"

#include <QSerialPort>

namespace {

void configure(QSerialPort& port, const QString& path) {
    port.setPortName(path);
    port.setBaudRate(14400);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    // Unlimited: the whole data block must fit, whatever else the line carries.
    port.setReadBufferSize(0);
}

} // namespace

SerialTransport::SerialTransport(Clock& clock, LinkState& state) : m_clock(clock), m_state(state) {}

void SerialTransport::Send_Rec(int Sd_Numbs, const QByteArray& OutData, const QString& msg0,
                               int Rcv_Numbs, QByteArray& indata, const QString& msg1) {
    Q_UNUSED(msg0);
    Q_UNUSED(msg1);
    const QString path = m_state.Ports.PathFor(m_state.ComPortNo);
    if (!path.isEmpty())
        exchange(path, Sd_Numbs > 0 ? OutData.left(Sd_Numbs) : QByteArray(), Rcv_Numbs, indata);
    // The line gets a moment to settle before the next exchange opens the port again.
    m_clock.yield();
    m_clock.sleep(SettleMs);
}

void SerialTransport::exchange(const QString& path, const QByteArray& frame, int expected,
                               QByteArray& indata) {
    QSerialPort port;
    configure(port, path);
    // A port that cannot be opened (missing, held by another program) ends the exchange
    // at once: nothing is sent and nothing is read.
    if (!port.open(QIODevice::ReadWrite))
        return;
    port.clear(QSerialPort::AllDirections);
    if (!frame.isEmpty()) {
        port.write(frame);
        port.flush();
    }
    if (expected >= 1 && !failed(port))
        receive(port, expected, indata);
    // Whatever arrives after the settling time belongs to no exchange.
    port.clear(QSerialPort::AllDirections);
    port.close();
}

bool SerialTransport::failed(const QSerialPort& port) {
    // A zero wait that finds nothing reports a time-out; that is no fault of the line.
    return port.error() != QSerialPort::NoError && port.error() != QSerialPort::TimeoutError;
}

QByteArray SerialTransport::takeWaitingBytes(QSerialPort& port) {
    // The port only takes bytes in from the system when asked; a zero wait takes whatever
    // is there without blocking.
    while (port.waitForReadyRead(0)) {
    }
    return port.readAll();
}

void SerialTransport::receive(QSerialPort& port, int expected, QByteArray& indata) {
    ReplyCollector reply(expected, m_clock.msSinceMidnight());
    m_state.RecvCount = 0;
    for (;;) {
        m_clock.yield();
        m_clock.sleep(1);
        reply.receive(takeWaitingBytes(port), m_clock.msSinceMidnight());
        m_state.RecvCount = reply.count();
        // A port that fails (the adapter pulled out) ends the exchange; nothing is read.
        // Once the reply is settling its errors no longer count.
        if (!reply.settling() && failed(port))
            return;
        if (reply.turn(m_clock.msSinceMidnight()))
            break;
    }
    indata = reply.bytes();
    m_state.RecvLength = reply.count();
}
