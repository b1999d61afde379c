#pragma once

#include "reports/ExportResult.h"

#include <QDateTime>

#include <functional>

class Clock;

// Decides when a long export shows how far it is. Handing a figure to the window after
// every row would cost more than the export itself, so the figure is shown when it has
// changed and the clock has moved on by a tenth of a second, and always at the end.
class ProgressPacer {
public:
    // `scale` is 100 for a percentage, 1000 for a per-mille figure.
    ProgressPacer(Clock& clock, int scale);

    // The figure (done × scale div total) when it is to be shown now, otherwise -1.
    [[nodiscard]] int figure(qint64 done, qint64 total);
    // An export's progress callback that hands each figure due to `show`. The pacer must
    // outlive it.
    [[nodiscard]] ExportProgress reporter(std::function<void(int figure)> show);

private:
    Clock& m_clock;
    int m_scale;
    int m_checked = -1;
    QDateTime m_lastShown;
};
