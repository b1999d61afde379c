// Saves a large upload and stops for good after most of it, waiting to be killed: the test
// uses it to kill a save in the middle of its transaction. The upload is far larger than
// SQLite's page cache, so by then changed pages have reached the database file and only the
// journal can undo them.
#include "store/UploadSaver.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

constexpr qint16 Rows = 30000;
constexpr int StopAt = 25000;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QVector<UploadSaver::ListRow> rows;
    const QString longText(200, QLatin1Char('x'));
    for (int n = 1; n <= Rows; ++n)
        rows.append({QString::number(n), longText});
    const auto readings = UploadSaver::plan(rows, 1, Rows, 0);
    const StoreResult r =
        UploadSaver::save(QString::fromLocal8Bit(argv[1]), QStringLiteral("2008-05-01 08:00:00"),
                          readings, [](int done) {
                              if (done != StopAt)
                                  return;
                              std::printf("halfway\n");
                              std::fflush(stdout);
                              for (;;)
                                  QThread::sleep(1);
                          });
    return r.ok() ? 0 : 1;
}
