#pragma once

#include "link/ReplyCollector.h"
#include "link/Transport.h"

#include <QSerialPort>

#include <optional>

class Clock;
class ClockTimer;

// The one piece of code that touches the serial port. Each exchange opens the port at
// 14400 baud, 8 data bits, no parity, 1 stop bit, flushes both directions, sends, collects
// the reply by the ReplyCollector's rule and closes the port again; nothing survives an
// exchange. The reply is collected as the port reports bytes and as one timer wakes the
// rule up, so the event loop runs on undisturbed in between and nothing runs inside it.
class SerialTransport : public Transport {
    Q_OBJECT

public:
    explicit SerialTransport(Clock& clock, QObject* parent = nullptr);

    void exchange(const QString& portPath, const QByteArray& frame, int expected,
                  Done done) override;

    // Time for the line after closing, before the next exchange may open the port again.
    static constexpr int SettleMs = 100;

private:
    enum class Stage { Idle, Receiving, Closing };

    [[nodiscard]] bool openAndSend(const QString& portPath, const QByteArray& frame);
    void listen(int expected);
    void bytesArrived();
    void portFailed(QSerialPort::SerialPortError error);
    void timerFired();
    void takeTurn();
    void close(ExchangeOutcome outcome);
    void handOver();
    [[nodiscard]] bool failed() const;

    Clock& m_clock;
    QSerialPort m_port;
    // Wakes the receive rule while collecting, then ends the settling after closing.
    ClockTimer* m_timer;
    Stage m_stage = Stage::Idle;
    std::optional<ReplyCollector> m_reply;
    ExchangeOutcome m_outcome;
    Done m_done;
};
