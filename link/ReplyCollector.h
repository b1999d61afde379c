#pragma once

#include <QByteArray>

// The receive rule of one exchange, kept apart from the port: it is fed the bytes that
// arrive and the clock's turns, says when the reply is complete, and when to look again.
// A reply is complete once MORE than the expected number of bytes have arrived, or once the
// line has been quiet for QuietSeconds (every new byte restarts that wait); either way a
// settling time follows in which the tail of the reply may still arrive.
//
// The quiet wait is measured on the seconds-since-midnight clock and compared as an
// absolute difference, so an exchange that spans midnight ends at its next quiet turn.
class ReplyCollector {
public:
    static constexpr int QuietSeconds = 10;
    static constexpr int SettleMs = 100;

    // `msOfDay` is the clock's time of day in milliseconds.
    ReplyCollector(int expected, int msOfDay);

    // Bytes that arrived by `msOfDay`.
    void receive(const QByteArray& bytes, int msOfDay);
    // Moves the rule on to `msOfDay`; true once the reply is complete, settling included.
    [[nodiscard]] bool turn(int msOfDay);
    // Milliseconds from `msOfDay` to the next moment the rule can move on without another
    // byte: the end of the settling time, else the end of the quiet period or midnight
    // (where the seconds-of-day clock jumps back), whichever comes first.
    [[nodiscard]] int msUntilNextTurn(int msOfDay) const;

    [[nodiscard]] const QByteArray& bytes() const { return m_bytes; }
    [[nodiscard]] int count() const { return static_cast<int>(m_bytes.size()); }
    [[nodiscard]] bool settling() const { return m_settleFrom >= 0; }

private:
    int m_expected;
    QByteArray m_bytes;
    int m_quietSince;      // seconds since midnight
    int m_settleFrom = -1; // ms of day; -1 while still collecting
};
