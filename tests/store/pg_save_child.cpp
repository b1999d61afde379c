// Saves 10 uploads of 999 readings into the store named on its command line, each under a
// date-time of its own made from the child's number: one of the writers that save at once.
#include "store/UploadSaver.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString address = QString::fromLocal8Bit(argv[1]);
    const int child = QString::fromLocal8Bit(argv[2]).toInt();
    QVector<UploadSaver::ListRow> rows;
    for (int n = 1; n <= 999; ++n)
        rows.append({QString::number(n), QString::number(n % 50) + QStringLiteral(".5")});
    const auto readings = UploadSaver::plan(rows, 1, 999, 0);
    for (int upload = 0; upload < 10; ++upload) {
        const QString stamp = QStringLiteral("2020-%1-%2 08:00:00")
                                  .arg(child + 1, 2, 10, QLatin1Char('0'))
                                  .arg(upload + 1, 2, 10, QLatin1Char('0'));
        const StoreResult r = UploadSaver::save(address, stamp, readings);
        if (!r.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(r.message()));
            return 1;
        }
    }
    return 0;
}
