#pragma once

#include "common/LongWork.h"

#include <QTest>

// How long a test waits for long work. The limit only keeps a broken test from hanging; it
// is far beyond what the work takes, however busy the machine.
inline constexpr int LongWorkLimitMs = 120000;

// Serves events until the long work, and whatever its outcome started, has ended.
[[nodiscard]] inline bool waitForLongWork(const LongWork& work) {
    return QTest::qWaitFor([&work] { return !work.busy(); }, LongWorkLimitMs);
}

