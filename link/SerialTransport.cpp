#include "link/SerialTransport.h"

#include "common/Clock.h"
#include "common/ClockTimer.h"

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

SerialTransport::SerialTransport(Clock& clock, QObject* parent)
    : Transport(parent), m_clock(clock), m_timer(new ClockTimer(clock, this)) {
    connect(&m_port, &QSerialPort::readyRead, this, &SerialTransport::bytesArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialTransport::portFailed);
    connect(m_timer, &ClockTimer::timeout, this, &SerialTransport::timerFired);
}

void SerialTransport::exchange(const QString& portPath, const QByteArray& frame, int expected,
                               Done done) {
    if (m_stage != Stage::Idle) {
        done({ExchangeOutcome::Ending::Busy, {}});
        return;
    }
    m_done = std::move(done);
    // A port that cannot be opened (missing, held by another program) ends the exchange at
    // once: nothing is sent and nothing is read.
    if (!openAndSend(portPath, frame)) {
        close({});
        return;
    }
    if (expected < 1 || failed()) {
        close({});
        return;
    }
    listen(expected);
}

bool SerialTransport::openAndSend(const QString& portPath, const QByteArray& frame) {
    if (portPath.isEmpty())
        return false;
    configure(m_port, portPath);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    m_port.clear(QSerialPort::AllDirections);
    if (!frame.isEmpty()) {
        m_port.write(frame);
        m_port.flush();
    }
    return true;
}

void SerialTransport::listen(int expected) {
    m_stage = Stage::Receiving;
    m_reply.emplace(expected, m_clock.msSinceMidnight());
    emit receivedSoFar(0);
    takeTurn();
}

void SerialTransport::bytesArrived() {
    if (m_stage == Stage::Receiving)
        takeTurn();
}

void SerialTransport::portFailed(QSerialPort::SerialPortError error) {
    Q_UNUSED(error);
    // A port that fails (the adapter pulled out) ends the exchange and nothing is read;
    // once the reply is settling its errors no longer count.
    if (m_stage == Stage::Receiving && !m_reply->settling() && failed())
        close({ExchangeOutcome::Ending::CutShort, {}});
}

void SerialTransport::timerFired() {
    if (m_stage == Stage::Receiving)
        takeTurn();
    else if (m_stage == Stage::Closing)
        handOver();
}

void SerialTransport::takeTurn() {
    const int msOfDay = m_clock.msSinceMidnight();
    const QByteArray arrived = m_port.readAll();
    if (!arrived.isEmpty()) {
        m_reply->receive(arrived, msOfDay);
        emit receivedSoFar(m_reply->count());
    }
    if (!m_reply->turn(msOfDay)) {
        m_timer->start(m_reply->msUntilNextTurn(msOfDay));
        return;
    }
    if (m_reply->bytes().isEmpty())
        close({});
    else
        close({ExchangeOutcome::Ending::Reply, m_reply->bytes()});
}

void SerialTransport::close(ExchangeOutcome outcome) {
    m_outcome = std::move(outcome);
    m_reply.reset();
    if (m_port.isOpen()) {
        // Whatever arrives after the settling time belongs to no exchange.
        m_port.clear(QSerialPort::AllDirections);
        m_port.close();
    }
    // The line gets a moment to settle before the next exchange opens the port again.
    m_stage = Stage::Closing;
    m_timer->start(SettleMs);
}

void SerialTransport::handOver() {
    m_stage = Stage::Idle;
    const Done done = std::move(m_done);
    m_done = {};
    done(std::move(m_outcome));
}

bool SerialTransport::failed() const {
    // A wait that finds nothing reports a time-out; that is no fault of the line.
    return m_port.error() != QSerialPort::NoError && m_port.error() != QSerialPort::TimeoutError;
}
