#pragma once

#include <QByteArray>
#include <QList>

// Finds 10-byte command frames (F0 F1 F2, code, six date-time bytes) in a byte stream.
// Bytes before a frame header are dropped. A header that starts inside an unfinished
// frame means that frame was cut short: no date, time or argument byte can be F0
// followed by F1 F2, so the scanner gives the earlier header up and starts again there.
class FrameScanner {
public:
    static constexpr int FrameLength = 10;

    // Adds received bytes and returns every frame they complete, in order.
    [[nodiscard]] QList<QByteArray> feed(const QByteArray& bytes);

    // Bytes dropped since the last call.
    [[nodiscard]] int takeDiscarded();

private:
    QByteArray m_pending;
    int m_discarded = 0;
};
