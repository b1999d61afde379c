#include "tools/recorder-sim/FrameScanner.h"

namespace {

const QByteArray& header() {
    static const QByteArray h("\xF0\xF1\xF2", 3);
    return h;
}

} // namespace

QList<QByteArray> FrameScanner::feed(const QByteArray& bytes) {
    m_pending += bytes;
    QList<QByteArray> frames;
    for (;;) {
        qsizetype start = m_pending.indexOf(header());
        if (start < 0) {
            // Keep a tail that may be the beginning of a header.
            const qsizetype keep = m_pending.endsWith("\xF0\xF1") ? 2
                                   : m_pending.endsWith('\xF0')   ? 1
                                                                  : 0;
            m_discarded += static_cast<int>(m_pending.size() - keep);
            m_pending = m_pending.right(keep);
            return frames;
        }
        qsizetype restart = m_pending.indexOf(header(), start + 1);
        while (restart >= 0 && restart < start + FrameLength) {
            start = restart;
            restart = m_pending.indexOf(header(), start + 1);
        }
        m_discarded += static_cast<int>(start);
        m_pending.remove(0, start);
        if (m_pending.size() < FrameLength) {
            return frames;
        }
        frames.append(m_pending.left(FrameLength));
        m_pending.remove(0, FrameLength);
    }
}

int FrameScanner::takeDiscarded() {
    const int n = m_discarded;
    m_discarded = 0;
    return n;
}
