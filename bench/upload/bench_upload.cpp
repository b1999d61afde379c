// Times a full upload: the data-block command from the moment its frame is sent until
// the 999 readings are decoded, against the recorder simulator sending at the pace of
// 14400 baud. Prints each run and the ratio to the wire time of the bytes received.
#include "common/Clock.h"
#include "link/CommandTable.h"
#include "link/LinkState.h"
#include "link/RS_fun.h"
#include "link/SerialTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 5;
constexpr double BitsPerByte = 10.0; // start bit, 8 data bits, stop bit
constexpr double Baud = 14400.0;
constexpr double Target = 1.15;

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(RECORDER_SIM), {QStringLiteral("--pace")});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "bench_upload: the recorder simulator did not start\n");
        return 1;
    }
    while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();

    SystemClock clock;
    LinkState state;
    state.ComPortNo = state.Ports.NumberFor(path);
    SerialTransport transport(clock);
    RS_fun rs(state, transport, clock);
    int received = 0;
    QObject::connect(&rs, &RS_fun::bytesReceived, [&received](int count) { received = count; });

    std::vector<double> seconds;
    for (int run = 1; run <= Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        CommandResult result;
        QEventLoop wait;
        rs.SendCommand(ReadData, &wait, [&](const CommandResult& r) {
            result = r;
            wait.quit();
        });
        wait.exec();
        const double took = timer.nsecsElapsed() / 1e9;
        if (!result.ok || result.readings.size() != 999) {
            std::fprintf(stderr, "bench_upload: run %d failed (%d bytes)\n", run, received);
            return 1;
        }
        const double wire = received * BitsPerByte / Baud;
        std::printf("run %d: %.3f s for %d bytes, wire time %.3f s, ratio %.3f\n", run, took,
                    received, wire, took / wire);
        seconds.push_back(took);
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    const double wire = received * BitsPerByte / Baud;
    std::printf("upload: median %.3f s, wire time %.3f s, ratio %.3f (target <= %.2f)\n", median,
                wire, median / wire, Target);
    sim.terminate();
    sim.waitForFinished(3000);
    return 0;
}
