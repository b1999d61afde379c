#include "analysis/StrengthChart.h"

#include "analysis/AnalysisResult.h"
#include "analysis/ChartAxes.h"
#include "analysis/NumberFormats.h"
#include "analysis/ValueScale.h"
#include "common/NumberText.h"
#include "curves/ChartSurface.h"

#include <QPainter>

namespace analysis {

namespace {

constexpr int RightMargin = 1100;
const QColor CurveColour(0, 90, 200);
const QColor PaleColour(150, 185, 235);
const QColor TargetColour(0, 140, 0);

} // namespace

StrengthChart::StrengthChart(const AnalysisResult& result, int station)
    : m_result(result), m_station(station) {}

QString StrengthChart::title() const {
    const QString station = m_result.stations[m_station].name;
    const Calibration& c = m_result.strength->calibration;
    if (!c.usable())
        return QStringLiteral("站点%1 成熟度曲线(℃·h)（最弱测点；未标定，不推定强度）").arg(station);
    const PourSettings& p = m_result.pour.settings;
    return QStringLiteral("站点%1 推定强度曲线(MPa)（最弱测点）　目标：设计强度的%2%（%3 MPa）")
        .arg(station, PlainNumber(p.strengthTarget * 100),
             ChartAxes::shortNumber(p.strengthTarget * p.mix.designStrength));
}

void StrengthChart::draw(QPainter& painter, const QRect& box) const {
    ChartSurface s(painter);
    s.setTextColour(Qt::black);
    s.print(box.left() + ChartAxes::LeftMargin, box.top() + 100, title());
    const QVector<StationStrength>& stations = m_result.strength->stations;
    if (m_station >= stations.size() || stations[m_station].latest() < 0)
        return;
    const QVector<WeakestPoint>& points = stations[m_station].uploads;
    const bool estimated = m_result.strength->calibration.usable();
    const PourSettings& p = m_result.pour.settings;
    QVector<double> values;
    for (const WeakestPoint& w : points)
        values.append(estimated ? w.estimate.strength : w.maturity);
    QVector<double> scaled = values;
    if (estimated)
        scaled.append(p.strengthTarget * p.mix.designStrength);
    const ValueScale scale(scaled);
    const QRect plot(box.left() + ChartAxes::LeftMargin, box.top() + ChartAxes::TitleHeight,
                     box.width() - ChartAxes::LeftMargin - RightMargin,
                     box.height() - ChartAxes::TitleHeight - ChartAxes::AxisHeight);
    const QVector<qint64>& seconds = m_result.readings->seconds();
    const auto yOf = [&](double v) { return scale.place(v, plot.bottom(), plot.top()); };
    ChartAxes::drawValueTicks(s, scale, plot, plot.bottom(), plot.top(), ChartAxes::shortNumber);
    ChartAxes::drawTimeAxis(s, seconds, plot, plot.bottom());
    s.box(plot.left(), plot.top(), plot.right(), plot.bottom(), ChartAxes::Frame);
    if (estimated) {
        const double target = yOf(p.strengthTarget * p.mix.designStrength);
        s.line(plot.left(), target, plot.right(), target, TargetColour);
        s.setTextColour(TargetColour);
        s.print(plot.right() + 60, target - s.lineHeight() / 2.0, QStringLiteral("拆模目标"));
    }
    s.setPenWidth(2);
    // One segment per interval, pale where either end is only extended.
    for (int i = 1; i < points.size(); ++i) {
        if (qIsNaN(values[i - 1]) || qIsNaN(values[i]))
            continue;
        const bool pale = estimated && (points[i - 1].estimate.extrapolated || points[i].estimate.extrapolated);
        s.polyline({QPointF(ChartAxes::timeX(seconds, i - 1, plot), yOf(values[i - 1])),
                    QPointF(ChartAxes::timeX(seconds, i, plot), yOf(values[i]))},
                   pale ? PaleColour : CurveColour);
    }
    s.setPenWidth(1);
}

} // namespace analysis
