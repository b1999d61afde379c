#include "link/ReplyCollector.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int MsPerDay = 24 * 60 * 60 * 1000;

// Milliseconds from `fromMs` to `toMs` of the day, across midnight when `toMs` is smaller.
int msBetween(int fromMs, int toMs) {
    const int ms = toMs - fromMs;
    return ms < 0 ? ms + MsPerDay : ms;
}

} // namespace

ReplyCollector::ReplyCollector(int expected, int msOfDay)
    : m_expected(expected), m_quietSince(msOfDay / 1000) {}

void ReplyCollector::receive(const QByteArray& bytes, int msOfDay) {
    if (bytes.isEmpty())
        return;
    m_bytes += bytes;
    m_quietSince = msOfDay / 1000;
}

bool ReplyCollector::turn(int msOfDay) {
    if (m_settleFrom < 0) {
        const bool full = count() >= m_expected + 1;
        const bool quiet = std::abs(msOfDay / 1000 - m_quietSince) >= QuietSeconds;
        if (!full && !quiet)
            return false;
        m_settleFrom = msOfDay;
    }
    return msBetween(m_settleFrom, msOfDay) >= SettleMs;
}

int ReplyCollector::msUntilNextTurn(int msOfDay) const {
    if (settling())
        return std::max(0, SettleMs - msBetween(m_settleFrom, msOfDay));
    const int quietEnds = (m_quietSince + QuietSeconds) * 1000 - msOfDay;
    return std::max(0, std::min(quietEnds, MsPerDay - msOfDay));
}
