#include "common/Pause.h"

#include "common/Clock.h"

#include <QDateTime>

#include <algorithm>

void Pause(Clock& clock, int ms) {
    // Short slices keep the window responsive without spinning the processor.
    constexpr qint64 Slice = 10;
    const QDateTime until = clock.now().addMSecs(ms);
    for (;;) {
        clock.yield();
        const qint64 left = clock.now().msecsTo(until);
        if (left <= 0)
            return;
        clock.sleep(static_cast<int>(std::min(left, Slice)));
    }
}
