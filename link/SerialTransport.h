#pragma once

#include "Transport.h"

#include <QString>

class Clock;
class QSerialPort;
struct LinkState;

// The one piece of code that touches the serial port. Each exchange opens the port of
// ComPortNo at 14400 baud, 8 data bits, no parity, 1 stop bit, flushes both directions,
// sends, collects the reply and closes the port again; nothing but the byte counts
// survives an exchange. Everything runs on the caller's thread, yielding to the event
// loop on every receive turn so the window stays alive.
class SerialTransport : public Transport {
public:
    SerialTransport(Clock& clock, LinkState& state);

    void Send_Rec(int Sd_Numbs, const QByteArray& OutData, const QString& msg0, int Rcv_Numbs,
                  QByteArray& indata, const QString& msg1) override;

    // A reply counts as silent after this many seconds without a new byte.
    static constexpr int QuietSeconds = 10;
    // Time for the tail of a reply after the wait ends, and for the line after closing.
    static constexpr int SettleMs = 100;
    // Turns of 10 ms to wait for a port this program still has open, before giving up.
    static constexpr int BusyTurns = 50;

private:
    [[nodiscard]] bool waitUntilPortFree(const QString& path);
    void exchange(const QString& path, const QByteArray& frame, int expected, QByteArray& indata);
    void receive(QSerialPort& port, int expected, QByteArray& indata);
    static void pullWaitingBytes(QSerialPort& port);
    [[nodiscard]] static bool failed(const QSerialPort& port);

    Clock& m_clock;
    LinkState& m_state;
};
