#include "reports/ProgressPacer.h"

#include "common/Clock.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 PaceMs = 100;

} // namespace

ProgressPacer::ProgressPacer(Clock& clock, int scale) : m_clock(clock), m_scale(scale) {}

int ProgressPacer::figure(qint64 done, qint64 total) {
    const int value =
        total > 0 ? static_cast<int>(std::min<qint64>(done * m_scale / total, m_scale)) : m_scale;
    // The clock is asked only when the figure changes: reading the time is not free either.
    if (value == m_checked)
        return -1;
    m_checked = value;
    const QDateTime now = m_clock.now();
    if (done < total && m_lastShown.isValid() && m_lastShown.msecsTo(now) < PaceMs)
        return -1;
    m_lastShown = now;
    return value;
}

ExportProgress ProgressPacer::reporter(std::function<void(int figure)> show) {
    return [this, show = std::move(show)](qint64 done, qint64 total) {
        const int value = figure(done, total);
        if (value >= 0)
            show(value);
    };
}
