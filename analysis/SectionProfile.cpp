#include "analysis/SectionProfile.h"

#include "analysis/AnalysisResult.h"
#include "analysis/ChartAxes.h"
#include "analysis/NumberFormats.h"
#include "analysis/ReadingTime.h"
#include "analysis/ValueScale.h"
#include "common/NumberText.h"
#include "curves/ChartSurface.h"

#include <QPainter>

namespace analysis {

namespace {

using ChartAxes::Frame;
using ChartAxes::Grid;
const QColor Curve(220, 0, 0);
constexpr int Left = 1000;
constexpr int Top = 500;
// Room for the slot labels right of the hottest point.
constexpr int Right = 1600;
constexpr int Bottom = 500;

} // namespace

QString SectionProfile::problem(const AnalysisResult& r, int station) {
    if (r.stations[station].profileSlots().size() < 2)
        return QStringLiteral("站点%1未设定至少两个测点的深度，没有截面温度分布。")
            .arg(r.stations[station].name);
    return {};
}

void SectionProfile::draw(QPainter& painter, const QRect& box, const AnalysisResult& r,
                          int station, int upload) {
    ChartSurface s(painter);
    const Station& st = r.stations[station];
    s.setTextColour(Qt::black);
    const QString when = upload >= 0 && upload < r.readings->uploadCount()
                             ? ReadingTime::shortText(r.times()[upload])
                             : QString();
    s.print(box.left() + Left, box.top() + 80,
            QStringLiteral("站点%1 截面温度分布　%2").arg(st.name, when));
    const QString why = problem(r, station);
    if (!why.isEmpty() || when.isEmpty()) {
        s.print(box.left() + Left, box.top() + Top + 200, why);
        return;
    }
    QVector<double> depths;
    QVector<double> temperatures;
    for (int k : st.profileSlots()) {
        depths.append(*st.depths[static_cast<std::size_t>(k)]);
        temperatures.append(r.readings->at(upload, st.sensor(k)));
    }
    const QRect plot(box.left() + Left, box.top() + Top, box.width() - Left - Right,
                     box.height() - Top - Bottom);
    const ValueScale x(temperatures, 4);
    const ValueScale y(depths + QVector<double>{0.0}, 4);
    for (double t : x.ticks()) {
        const double px = x.place(t, plot.left(), plot.right());
        s.line(px, plot.top(), px, plot.bottom(), Grid);
        const QString label = PlainNumber(t);
        s.print(px - s.textWidth(label) / 2.0, plot.bottom() + 60, label);
    }
    ChartAxes::drawValueTicks(s, y, plot, plot.top(), plot.bottom(), PlainNumber);
    s.box(plot.left(), plot.top(), plot.right(), plot.bottom(), Frame);
    s.print(plot.right() - s.textWidth(QStringLiteral("温度(℃)")), plot.bottom() + 260,
            QStringLiteral("温度(℃)"));
    s.print(box.left() + 60, plot.top() - 300, QStringLiteral("深度(mm)"));
    QVector<QPointF> points;
    const QVector<int> profile = st.profileSlots();
    s.setPenWidth(2);
    for (int n = 0; n < profile.size(); ++n) {
        const double py = y.place(depths[n], plot.top(), plot.bottom());
        if (qIsNaN(temperatures[n])) {
            s.polyline(points, Curve);
            points.clear();
            s.setTextColour(Frame);
            s.print(plot.left() + 100, py - s.lineHeight() / 2.0,
                    QStringLiteral("测点%1 无读数").arg(profile[n] + 1));
            continue;
        }
        const double px = x.place(temperatures[n], plot.left(), plot.right());
        points.append(QPointF(px, py));
        s.filledBox(px - 40, py - 40, px + 40, py + 40, Curve);
        s.setTextColour(Qt::black);
        s.print(px + 100, py - s.lineHeight() / 2.0,
                QStringLiteral("测点%1 %2℃").arg(profile[n] + 1).arg(NumberFormats::figure(temperatures[n])));
    }
    s.polyline(points, Curve);
    s.setPenWidth(1);
}

} // namespace analysis
