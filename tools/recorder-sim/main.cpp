// recorder-sim: answers like the temperature recorder on a pseudo-terminal, so the
// program and its tests can be tried without hardware.

#include "tools/recorder-sim/PtyLink.h"
#include "tools/recorder-sim/ReadingTable.h"
#include "tools/recorder-sim/Recorder.h"
#include "tools/recorder-sim/RecorderState.h"
#include "tools/recorder-sim/SignalWatcher.h"
#include "tools/recorder-sim/SimOptions.h"
#include "tools/recorder-sim/Simulator.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int kBadUsage = 2;

int refuse(const QString& why) {
    logLine(why);
    return kBadUsage;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const SimOptionsParse parsed = parseSimOptions(QCoreApplication::arguments());
    if (parsed.result == SimOptionsParse::Result::ShowHelp) {
        std::fputs(parsed.message.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parsed.result == SimOptionsParse::Result::Error) {
        std::fputs(parsed.message.toLocal8Bit().constData(), stderr);
        return kBadUsage;
    }
    const SimOptions& options = parsed.options;

    ReadingTable readings;
    QString error;
    if (!options.readingsFile.isEmpty()) {
        if (!readings.loadCsv(options.readingsFile, &error)) {
            return refuse(error);
        }
        if (options.outOfRange) {
            readings.placeRangeEdges();
        }
    } else {
        readings = generatedReadings(options, options.ageHours);
    }

    RecorderState state;
    if (!options.stateFile.isEmpty() && QFileInfo::exists(options.stateFile) &&
        !state.load(options.stateFile, &error)) {
        return refuse(error);
    }
    if (options.serial) {
        state.serial = *options.serial;
    }
    if (options.powerOffMinutes) {
        state.powerOffMinutes = static_cast<quint8>(*options.powerOffMinutes);
    }
    if (options.errorCorrection) {
        state.errorSign = (*options.errorCorrection)[0];
        state.errorMagnitude = (*options.errorCorrection)[1];
    }
    // Written at once, so the file shows the state the run starts from.
    if (!options.stateFile.isEmpty() && !state.save(options.stateFile, &error)) {
        return refuse(error);
    }

    PtyLink link;
    if (!link.open(&error)) {
        return refuse(QStringLiteral("cannot open a pseudo-terminal: %1").arg(error));
    }
    SignalWatcher signalWatcher;
    if (!signalWatcher.install()) {
        return refuse(QStringLiteral("cannot watch for SIGTERM, SIGINT and SIGUSR1"));
    }
    QObject::connect(&signalWatcher, &SignalWatcher::stopRequested, &app, &QCoreApplication::quit);

    Simulator simulator(options, Recorder(state, readings, options.exactDataBlock), &link);
    QObject::connect(&signalWatcher, &SignalWatcher::advanceRequested, &simulator,
                     &Simulator::advance);

    std::printf("%s\n", link.slavePath().toLocal8Bit().constData());
    std::fflush(stdout);
    logLine(QStringLiteral("listening on %1").arg(link.slavePath()));

    const int rc = app.exec();
    logLine(QStringLiteral("stopped"));
    return rc;
}
