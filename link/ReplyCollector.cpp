#include "link/ReplyCollector.h"

#include <cstdlib>

namespace {

constexpr int MsPerDay = 24 * 60 * 60 * 1000;

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
    int settled = msOfDay - m_settleFrom;
    if (settled < 0)
        settled += MsPerDay;
    return settled >= SettleMs;
}
