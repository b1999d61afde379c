#include "reports/ExportRunner.h"

#include "reports/ProgressPacer.h"

bool ExportRunner::start(LongWork& work, QObject* receiver, Clock& clock, int scale, Export run,
                         LongWork::Shown shown, std::function<void(ExportResult)> done) {
    return work.start<ExportResult>(
        receiver,
        [&clock, scale, run = std::move(run)](const LongWork::Report& report) {
            ProgressPacer pacer(clock, scale);
            return run(pacer.reporter(report));
        },
        std::move(shown), std::move(done));
}
