// bench_chart [--db FILE] [--runs N]
//
// Redraws the chart of station 0001 into an image of the curve window's picture size, as
// the window's redraw does, for two days and for 30 days ending on the day of the newest
// upload, and prints the median time of N runs beside its target (20 ms and 100 ms).
//
// Without --db it builds (once, kept in the temporary folder) a database of 1,000 uploads
// six hours apart with 125 stations of 8 sensors each in table 测量数据, the rows the
// grouping run makes from 1,000 uploads x 999 readings. With --db it draws from that file,
// for example the one the grouping benchmark has grouped.
#include "bench/support/BenchSupport.h"
#include "curves/ChartGeometry.h"
#include "curves/MyFunctions.h"
#include "curves/SlotTemps.h"
#include "curves/StationRecords.h"
#include "store/StoreDb.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSqlQuery>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Uploads = 1000;
constexpr int Stations = 125;
constexpr int LeftMarginHours = 20;

QDateTime stampOf(int upload) {
    return QDateTime(QDate(2008, 1, 1), QTime(8, 0)).addSecs(qint64(upload) * 6 * 3600);
}

QString temperatureOf(int upload, int station, int sensor) {
    const int t = (upload * 37 + station * 11 + sensor * 5) % 9000;
    return QString::number(t / 100.0 - 10.0, 'f', 2);
}

bool build(const QString& path) {
    if (Bench::RowCount(path, QStringLiteral("测量数据")) == Uploads * Stations)
        return true;
    QFile::remove(path);
    std::printf("building %d uploads x %d stations in %s ...\n", Uploads, Stations,
                qPrintable(path));
    std::fflush(stdout);
    StoreDb db(path);
    if (!db.openDatabase().ok() || !db.begin().ok())
        return false;
    QSqlQuery insert;
    if (!db.prepare(
               QStringLiteral("insert into [测量数据] values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               insert)
             .ok())
        return false;
    for (int u = 0; u < Uploads; ++u) {
        const QDateTime stamp = stampOf(u);
        for (int s = 1; s <= Stations; ++s) {
            insert.addBindValue(stamp.toString(QStringLiteral("yyyyMMddHHmmss")));
            insert.addBindValue(stamp.toString(QStringLiteral("yyyy-MM-dd")));
            insert.addBindValue(stamp.toString(QStringLiteral("HH:mm:ss")));
            insert.addBindValue(QStringLiteral("%1").arg(s, 4, 10, QLatin1Char('0')));
            for (int k = 1; k <= 8; ++k)
                insert.addBindValue(temperatureOf(u, s, k));
            if (!db.run(insert).ok())
                return false;
        }
    }
    return db.commit().ok();
}

QDate newestDate(const QString& path) {
    StoreDb db(path);
    QSqlQuery q;
    if (!db.openDatabase(StoreDb::Access::ReadOnly).ok() ||
        !db.select(QStringLiteral("select max([接收日期]) from [测量数据]"), q).ok() || !q.next())
        return {};
    return QDate::fromString(q.value(0).toString(), QStringLiteral("yyyy-MM-dd"));
}

// Median milliseconds of `runs` redraws: a white picture of the chart's width, drawn on.
double redrawMs(MyFunctions& chart, const QDate& end, qint16 days, int runs, QString& status) {
    std::vector<double> times;
    const int widthTwips = ChartGeometry::PictureWidth(days, LeftMarginHours);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        QImage image(widthTwips / 15, ChartGeometry::PictureHeight / 15, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        QPainter painter(&image);
        qint16 dayCount = days;
        chart.DrawStationChart(1, LeftMarginHours, 0, end, dayCount, painter, true, status);
        painter.end();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return Bench::Median(times);
}

// Median milliseconds of reading the records alone, the part of a redraw that grows with
// the database rather than with the picture.
double readMs(const QString& path, const QDate& end, qint16 days, int runs) {
    std::vector<double> times;
    const ChartGeometry geometry(LeftMarginHours, 0, end, days);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        SlotTemps temps(geometry.slotCount());
        StationRecords found;
        (void)StationRecords::Read(path, 1, geometry, temps, found);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return Bench::Median(times);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString path;
    int runs = 21;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--db"))
            path = args[i + 1];
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
    }
    if (path.isEmpty()) {
        path = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                   .filePath(QStringLiteral("bench_chart.mdb"));
        if (!build(path)) {
            std::fprintf(stderr, "could not build %s\n", qPrintable(path));
            return 1;
        }
    }
    const QDate end = newestDate(path);
    if (!end.isValid()) {
        std::fprintf(stderr, "no station records in %s\n", qPrintable(path));
        return 1;
    }
    MyFunctions chart(path);
    for (const auto& [days, targetMs] : {std::pair<qint16, double>{2, 20.0}, {30, 100.0}}) {
        QString status;
        const double ms = redrawMs(chart, end, days, runs, status);
        std::printf("chart %2d days: %7.2f ms (median of %d), of which reading the records "
                    "%.2f ms; target %5.1f ms, ratio %.2f  [%s]\n",
                    int(days), ms, runs, readMs(path, end, days, runs), targetMs, ms / targetMs,
                    qPrintable(status));
    }
    return 0;
}
