#pragma once

#include "link/Transport.h"

class Clock;
class QSerialPort;
struct LinkState;

// The one piece of code that touches the serial port. Each exchange opens the port of
// the link's ComPortNo at 14400 baud, 8 data bits, no parity, 1 stop bit, flushes both
// directions, sends, collects the reply by the ReplyCollector's rule and closes the port
// again; nothing but the byte counts survives an exchange. Everything runs on the
// caller's thread, yielding to the event loop on every receive turn so the window stays
// alive. The link's busy state keeps a second exchange from starting meanwhile.
class SerialTransport : public Transport {
public:
    SerialTransport(Clock& clock, LinkState& state);

    void Send_Rec(int Sd_Numbs, const QByteArray& OutData, const QString& msg0, int Rcv_Numbs,
                  QByteArray& indata, const QString& msg1) override;

    // Time for the line after closing, before the next exchange may open the port again.
    static constexpr int SettleMs = 100;

private:
    void exchange(const QString& path, const QByteArray& frame, int expected, QByteArray& indata);
    void receive(QSerialPort& port, int expected, QByteArray& indata);
    [[nodiscard]] static QByteArray takeWaitingBytes(QSerialPort& port);
    [[nodiscard]] static bool failed(const QSerialPort& port);

    Clock& m_clock;
    LinkState& m_state;
};
