#include "curves/MyFunctions.h"

#include "curves/ChartGeometry.h"
#include "curves/ChartSurface.h"
#include "curves/SlotTemps.h"
#include "curves/StationRecords.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace {

const QColor Black(0, 0, 0);
const QColor Grey(192, 192, 192);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);

// The first entries of the classic 16-colour palette; sensor k takes entry k mod 7.
const std::array<QColor, 7> Palette = {QColor(0, 0, 0),     QColor(0, 0, 128), QColor(0, 128, 0),
                                       QColor(0, 128, 128), QColor(128, 0, 0), QColor(128, 0, 128),
                                       QColor(128, 128, 0)};

QColor sensorColour(int sensor) {
    return Palette[static_cast<std::size_t>(sensor % 7)];
}

// A number as the classic Print writes it: a blank in front unless it is negative.
QString printed(int number) {
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

// The scale steps, 1000 .. 5800 twips below the top offset, and the degrees they stand for.
constexpr int FirstScaleStep = 1000;
constexpr int LastScaleStep = 5800;
constexpr int ScaleStep = 400;
int degreesAt(int step) {
    return (5000 - step) / ChartGeometry::DegreeHeight;
}

void drawGrid(const ChartGeometry& g, ChartSurface& s) {
    const double left = g.originX();
    const double right = g.rightEnd();
    s.line(left, g.topLine(), right, g.topLine(), Black);
    for (int k = 0; k <= 11; ++k) {
        const double y = g.topOffset() + 1450 + 400 * k;
        s.line(left, y, right, y, Grey);
    }
    s.line(left, g.bottomLine(), right, g.bottomLine(), Black);
    s.filledBox(left, g.zeroLine() - 15, right, g.zeroLine() + 15, Red);
    s.line(left, g.zeroLine(), right, g.zeroLine(), Black);
    s.filledBox(left + 15, g.topLine(), left - 15, g.bottomLine(), Red);
    for (int v = FirstScaleStep; v <= LastScaleStep; v += ScaleStep)
        s.print(left - 400, g.topOffset() + v, printed(degreesAt(v)));
    for (int x = g.originX(); x <= g.rightEnd(); x += ChartGeometry::HalfHourStep)
        s.line(x, g.topLine(), x, g.bottomLine(), Grey);
}

void drawTimeMarks(const ChartGeometry& g, ChartSurface& s) {
    const int lineHeight = s.lineHeight();
    const int dateShift = s.textWidth(QStringLiteral("yyyy年mm月dd日")) / 2;
    const int hourShift = s.textWidth(QStringLiteral("dd日")) / 2;
    const int dayScaleShift = s.textWidth(QStringLiteral("100"));
    const int dateY = g.topOffset() + 780 - 2 * lineHeight - 100;
    const int hourY = g.topOffset() + 780 - lineHeight;
    const QDateTime start(g.startDate(), QTime(0, 0), Qt::UTC);
    for (int h = 0; h <= 24 * g.dayCount(); ++h) {
        const int x = g.originX() + ChartGeometry::HourWidth * h;
        if (h % 6 == 0)
            s.line(x, g.topLine(), x, g.bottomLine(), Blue);
        if (h % 12 == 0) {
            s.line(x, g.topOffset() + 780, x, g.topOffset() + 980, Blue);
            const QDateTime instant = start.addSecs(3600LL * h);
            s.print(x - dateShift, dateY, instant.toString(QStringLiteral("yyyy年MM月dd日")));
            s.print(x - hourShift, hourY, instant.toString(QStringLiteral("HH时")));
            s.line(x, g.topLine(), x, g.bottomLine(), Black);
        }
        if (h > 0 && h % 24 == 0)
            for (int v = FirstScaleStep; v <= LastScaleStep; v += ScaleStep)
                if (degreesAt(v) != 100)
                    s.print(x - dayScaleShift, g.topOffset() + v - (2 * lineHeight) / 3,
                            printed(degreesAt(v)));
    }
    const double captionX = g.originX() - 650;
    s.print(captionX, g.topOffset() + 1850, QStringLiteral("温"));
    s.print(captionX, g.topOffset() + 2250, QStringLiteral("度"));
    s.print(captionX, g.topOffset() + 2650, QStringLiteral("值"));
    s.print(captionX, g.topOffset() + 3050, QStringLiteral("℃"));
}

// Legend and title sit at fixed places, whatever the top offset.
void drawLegend(qint16 station, ChartSurface& s) {
    s.filledBox(900, 2350, 2900, 4350, QGuiApplication::palette().color(QPalette::Button));
    s.filledBox(800, 2250, 2800, 4250, White);
    s.box(800, 2250, 2800, 4250, Blue);
    s.setTextColour(QColor(0, 0, 192));
    s.print(1500, 2350, QStringLiteral("图  例"));
    const int th = s.lineHeight();
    for (int i = 1; i <= SlotTemps::Sensors; ++i) {
        const QColor c = sensorColour(i);
        const double y = 2450 + 200 * i;
        s.setPenWidth(2);
        s.filledBox(1000, y + th / 2.0, 1800, y + th / 2.0, c);
        s.setPenWidth(1);
        s.setTextColour(c);
        s.print(2000, y, QStringLiteral("传感器%1").arg(i));
    }
    // The title keeps the last sensor's colour.
    const QString caption = QStringLiteral("    各传感器温度记录曲线");
    s.print(600, 1350 - 1.5 * th,
            QString(10, QLatin1Char(' ')) +
                QStringLiteral("%1").arg(station, 3, 10, QLatin1Char('0')) +
                QStringLiteral("#站点"));
    s.print(600, 1350, caption);
    const int w = s.textWidth(caption + QStringLiteral("    "));
    s.box(600, 1350 - 3 * th, 600 + w, 1350 + 2 * th, Blue);
    s.box(650, 1350 - 3 * th + 50, 550 + w, 1350 + 2 * th - 50, Red);
}

} // namespace

MyFunctions::MyFunctions(QString databasePath) : m_databasePath(std::move(databasePath)) {}

void MyFunctions::DrawStationChart(qint16 station, qint32 leftMarginHours, qint32 topOffset,
                                   const QDate& endDate, qint16& dayCount, QPainter& target,
                                   bool withLegend, QString& statusText) {
    PaintStationChart(ReadStationChart(station, leftMarginHours, topOffset, endDate, dayCount),
                      target, withLegend, statusText);
}

StationChart MyFunctions::ReadStationChart(qint16 station, qint32 leftMarginHours, qint32 topOffset,
                                           const QDate& endDate, qint16& dayCount) const {
    const ChartGeometry geometry(leftMarginHours, topOffset, endDate, dayCount);
    dayCount = geometry.dayCount();
    StationChart chart{station, geometry, SlotTemps(geometry.slotCount()), {}, {}};
    chart.read = StationRecords::Read(m_databasePath, station, geometry, chart.temps, chart.found);
    chart.temps.fillGaps();
    return chart;
}

void MyFunctions::PaintStationChart(const StationChart& chart, QPainter& target, bool withLegend,
                                    QString& statusText) {
    ChartSurface surface(target);
    drawGrid(chart.geometry, surface);
    drawTimeMarks(chart.geometry, surface);
    if (withLegend)
        drawLegend(chart.station, surface);
    DrawStationCurves(chart, surface, statusText);
}

void MyFunctions::DrawStationCurves(const StationChart& chart, ChartSurface& s,
                                    QString& statusText) {
    const ChartGeometry& g = chart.geometry;
    const StationRecords& found = chart.found;
    if (!chart.read.ok()) {
        statusText = chart.read.message();
        return;
    }
    if (found.lastSlot == 0) {
        statusText = NoDataText;
        return;
    }
    statusText = HasDataText;
    LastDataX = g.slotX(found.lastSlot);
    ChartRightX = g.rightEnd();

    s.line(LastDataX, g.zeroLine(), LastDataX, g.temperatureY(100), Red);
    // 1.5 pixels, which the classic surface rounded to 2.
    s.setPenWidth(2);
    QVector<QPointF> points;
    points.reserve(found.lastSlot);
    for (int k = 1; k <= SlotTemps::Sensors; ++k) {
        points.clear();
        for (int n = 1; n <= found.lastSlot; ++n)
            points.append(QPointF(g.slotX(n), g.temperatureY(chart.temps.at(k, n))));
        s.polyline(points, sensorColour(k));
    }
    s.setPenWidth(1);
}
