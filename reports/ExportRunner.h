#pragma once

#include "common/LongWork.h"
#include "reports/ExportResult.h"

#include <functional>

class Clock;
class QObject;

// Runs one export as long work: on its own thread, its progress paced by a ProgressPacer
// with the given scale (100 for a percentage, 1000 per mille).
namespace ExportRunner {

using Export = std::function<ExportResult(const ExportProgress& progress)>;

// `shown` gets the figures and `done` the outcome on `receiver`'s thread. False, and
// nothing started, while other long work runs. The clock is read on the export's thread.
[[nodiscard]] bool start(LongWork& work, QObject* receiver, Clock& clock, int scale, Export run,
                         LongWork::Shown shown, std::function<void(ExportResult)> done);

} // namespace ExportRunner
