#include "SerialTransport.h"

#include "Clock.h"
#include "LinkState.h"
#include "Module1.h"
#include "PortNumbers.h"

#include <QSerialPort>
#include <QStringList>

#include <cstdlib>

namespace {

// Ports an exchange of this program holds open right now. The event loop keeps running
// during an exchange, so a second exchange may ask for the same port before the first
// has closed it.
QStringList& portsInUse() {
    static QStringList paths;
    return paths;
}

// Marks a port as in use for as long as it is open.
class PortClaim {
public:
    explicit PortClaim(QString path) : m_path(std::move(path)) { portsInUse().append(m_path); }
    ~PortClaim() { portsInUse().removeOne(m_path); }
    PortClaim(const PortClaim&) = delete;
    PortClaim& operator=(const PortClaim&) = delete;

private:
    QString m_path;
};

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

bool SerialTransport::waitUntilPortFree(const QString& path) {
    for (int turn = 0; portsInUse().contains(path); ++turn) {
        if (turn >= BusyTurns + 1)
            return false;
        m_clock.yield();
        m_clock.sleep(10);
    }
    return true;
}

void SerialTransport::Send_Rec(int Sd_Numbs, const QByteArray& OutData, const QString& msg0,
                               int Rcv_Numbs, QByteArray& indata, const QString& msg1) {
    Q_UNUSED(msg0);
    Q_UNUSED(msg1);
    const QString path = PortNumbers::PathFor(Module1::ComPortNo);
    if (!path.isEmpty() && waitUntilPortFree(path))
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
    const PortClaim claim(path);
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

void SerialTransport::pullWaitingBytes(QSerialPort& port) {
    // The port only takes bytes in from the system when asked; a zero wait takes whatever
    // is there without blocking.
    while (port.waitForReadyRead(0)) {
    }
}

void SerialTransport::receive(QSerialPort& port, int expected, QByteArray& indata) {
    int lastCount = 0;
    int quietSince = m_clock.secondsSinceMidnight();
    m_state.RecvCount = 0;
    for (;;) {
        m_clock.yield();
        m_clock.sleep(1);
        pullWaitingBytes(port);
        const int count = static_cast<int>(port.bytesAvailable());
        m_state.RecvCount = count;
        // The wait ends only once MORE than the expected length is waiting; a reply of
        // exactly that length ends through the quiet period.
        if (count >= expected + 1)
            break;
        if (count != lastCount) {
            quietSince = m_clock.secondsSinceMidnight();
        } else if (std::abs(m_clock.secondsSinceMidnight() - quietSince) >= QuietSeconds) {
            // Across midnight the difference is large, and the wait simply ends early.
            break;
        }
        lastCount = count;
        // A port that fails (the adapter pulled out) ends the exchange; nothing is read.
        if (failed(port))
            return;
    }
    m_clock.sleep(SettleMs);
    pullWaitingBytes(port);
    const QByteArray received = port.readAll();
    indata = received;
    m_state.RecvLength = static_cast<int>(received.size());
}
