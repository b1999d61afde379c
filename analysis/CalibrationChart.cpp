#include "analysis/CalibrationChart.h"

#include "analysis/Calibration.h"
#include "analysis/ChartAxes.h"
#include "analysis/NumberFormats.h"
#include "analysis/ValueScale.h"
#include "common/NumberText.h"
#include "curves/ChartSurface.h"

#include <QPainter>

#include <algorithm>

namespace analysis {

namespace {

using ChartAxes::LeftMargin;
using ChartAxes::TitleHeight;
using ChartAxes::shortNumber;
constexpr int RightMargin = 300;
constexpr int AxisHeight = 650;
constexpr int MarkSize = 60;
constexpr int CurvePoints = 80;
const QColor CurveColour(220, 0, 0);
const QColor PaleColour(240, 170, 170);
const QColor PointColour(0, 0, 200);

QString title(const Calibration& c) {
    if (!c.given())
        return QStringLiteral("标定曲线：尚未输入标定数据");
    if (!c.usable())
        return QStringLiteral("标定数据不能使用：") + c.problem();
    return QStringLiteral("标定曲线 S = %1 + %2·ln(M)　R² = %3")
        .arg(c.fit().a(), 0, 'f', 2)
        .arg(c.fit().b(), 0, 'f', 3)
        .arg(c.fit().rSquared(), 0, 'f', 4);
}

} // namespace

void CalibrationChart::draw(QPainter& painter, const QRect& box, const Calibration& c,
                            const QVector<double>& strengths) {
    ChartSurface s(painter);
    s.setTextColour(Qt::black);
    s.print(box.left() + 100, box.top() + 100, title(c));
    const std::vector<double>& m = c.maturities();
    if (!c.usable() || m.empty())
        return;
    const QRect plot(box.left() + LeftMargin, box.top() + TitleHeight,
                     box.width() - LeftMargin - RightMargin, box.height() - TitleHeight - AxisHeight);
    const double highest = *std::max_element(m.cbegin(), m.cend()) * 1.2;
    QVector<QPointF> curve;
    QVector<double> ys = strengths;
    for (int i = 1; i <= CurvePoints; ++i) {
        const double x = highest * i / CurvePoints;
        curve.append({x, c.estimate(x).strength});
        ys.append(curve.last().y());
    }
    const ValueScale xScale(QVector<double>{0.0, highest});
    const ValueScale yScale(ys);
    const auto at = [&](double x, double y) {
        return QPointF(xScale.place(x, plot.left(), plot.right()), yScale.place(y, plot.bottom(), plot.top()));
    };
    ChartAxes::drawValueTicks(s, yScale, plot, plot.bottom(), plot.top(), shortNumber);
    ChartAxes::drawBottomTicks(s, xScale, plot, shortNumber);
    s.box(plot.left(), plot.top(), plot.right(), plot.bottom(), ChartAxes::Frame);
    s.print(plot.left(), plot.bottom() + 80 + s.lineHeight(), QStringLiteral("成熟度(℃·h)，纵轴为强度(MPa)"));
    s.setPenWidth(2);
    QVector<QPointF> inside, outside;
    for (const QPointF& p : curve)
        (c.estimate(p.x()).extrapolated ? outside : inside).append(at(p.x(), p.y()));
    s.polyline(outside, PaleColour);
    s.polyline(inside, CurveColour);
    s.setPenWidth(1);
    for (std::size_t i = 0; i < m.size() && int(i) < strengths.size(); ++i) {
        const QPointF p = at(m[i], strengths[int(i)]);
        s.filledBox(p.x() - MarkSize, p.y() - MarkSize, p.x() + MarkSize, p.y() + MarkSize, PointColour);
    }
}

} // namespace analysis
