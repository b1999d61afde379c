#include "bench/store/ViewTiming.h"

#include "bench/support/BenchSupport.h"
#include "store/ReadingsLayout.h"
#include "store/ReadingsLoader.h"
#include "store/ReadingsModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QTreeView>

#include <cstdio>
#include <iterator>
#include <utility>

namespace {

constexpr int Runs = 3;

long peakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

using Fill = ReadingsLayout::Fill;

// The four fixed views, by their names in the report.
const std::pair<Fill, const char*> Views[] = {{Fill::BySensorThenTime, "by sensor"},
                                              {Fill::ByTimeThenSensor, "by time"},
                                              {Fill::UploadTimes, "upload times"},
                                              {Fill::SensorNumbers, "sensor numbers"}};

} // namespace

const char* ViewTiming::firstScreenLimit(int uploads) {
    return uploads > 1000 ? "300 ms" : "150 ms";
}

int ViewTiming::runChild(const QString& viewNumber, const QString& db) {
    const ReadingsLayout layout = ReadingsLayout::of(Views[viewNumber.toInt()].first);
    QTreeView view;
    ReadingsModel model;
    view.setModel(&model);
    view.header()->setStretchLastSection(false);
    view.resize(800, 600);
    view.show();
    QApplication::processEvents();

    QElapsedTimer t;
    t.start();
    const StoreResult r = model.fill(db, layout);
    if (!r.ok()) {
        std::printf("view failed: %s\n", qPrintable(r.message()));
        return 1;
    }
    const int screen = 30;
    while (model.rowCount() < screen && model.isLoading())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    view.viewport()->repaint();
    const double first = t.nsecsElapsed() / 1e6;
    const long firstPeak = peakKb();
    // The last row can be shown once every row is in and the view has scrolled to it.
    while (model.isLoading())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    view.scrollToBottom();
    view.viewport()->repaint();
    const double all = t.nsecsElapsed() / 1e6;
    std::printf("%.3f %.3f %d %ld %ld %s\n", first, all, model.rowCount(), firstPeak, peakKb(),
                qPrintable(model.text(0, 0) + QLatin1Char('|') + model.text(0, 1)));
    return 0;
}

void ViewTiming::measure(const QString& program, const QString& db,
                         const std::function<double(const QString&)>& reference,
                         const char* referenceName, const char* firstScreenLimit) {
    for (std::size_t v = 0; v < std::size(Views); ++v) {
        const ReadingsLayout layout = ReadingsLayout::of(Views[v].first);
        const QString sql = layout.sql(db);
        Bench::PrintPlan(db, sql);
        const QString firstSql = ReadingsLayout::limited(sql, ReadingsLoader::PreviewRows);
        std::vector<double> first, all, referenceFirst, referenceAll;
        QStringList f;
        for (int run = 0; run < Runs; ++run) {
            QProcess child;
            child.start(program, {QStringLiteral("--view"), QString::number(v), db});
            child.waitForFinished(-1);
            f = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char(' '));
            if (f.size() < 6) {
                std::printf("view child failed: %s%s\n", qPrintable(f.join(QLatin1Char(' '))),
                            child.readAllStandardError().constData());
                return;
            }
            first.push_back(f[0].toDouble());
            all.push_back(f[1].toDouble());
            referenceAll.push_back(reference(sql));
            referenceFirst.push_back(reference(firstSql));
        }
        const QByteArray name = QByteArray("view ") + Views[v].second;
        Bench::Report((name + ": first screen").constData(), Bench::Median(first),
                      Bench::Median(referenceFirst), firstScreenLimit, referenceName);
        Bench::Report((name + ": all rows").constData(), Bench::Median(all),
                      Bench::Median(referenceAll), "-", referenceName);
        std::printf("%-34s %10.1f MB at first screen, %.1f MB after all %s rows; first row %s\n",
                    "    peak memory", f[3].toLong() / 1024.0, f[4].toLong() / 1024.0,
                    qPrintable(f[2]), qPrintable(f.mid(5).join(QLatin1Char(' ')).trimmed()));
    }
}
