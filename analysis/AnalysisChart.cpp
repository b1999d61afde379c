#include "analysis/AnalysisChart.h"

#include "analysis/AnalysisResult.h"
#include "analysis/ChartAxes.h"
#include "analysis/NumberFormats.h"
#include "analysis/StateColours.h"
#include "analysis/ValueScale.h"
#include "common/NumberText.h"
#include "curves/ChartSurface.h"

#include <QDateTime>
#include <QPainter>

#include <optional>

namespace analysis {

namespace {

using ChartAxes::LeftMargin;
using ChartAxes::AxisHeight;
using ChartAxes::TitleHeight;
using ChartAxes::shortNumber;
using ChartAxes::Frame;
using ChartAxes::Grid;
// The guide lines keep shades of their own, so a mark in a state's colour stands out.
const QColor LimitColour(176, 0, 0);
const QColor WarningColour(230, 160, 60);
constexpr int BandHeight = 300;
constexpr int RightMargin = 700;
constexpr int PanelGap = 250;
constexpr int MarkSize = 50;

struct Line {
    FigureKind kind;
    QColor colour;
};

// A figure judged at each upload and the curve its mark sits on.
struct Mark {
    FigureKind judged;
    FigureKind on;
};

} // namespace

struct AnalysisChart::Panel {
    QString title;
    QVector<Line> lines;
    QVector<Mark> marks;
    std::optional<double> limit;
    int weight = 1;
};

AnalysisChart::AnalysisChart(const AnalysisResult& result, int station)
    : m_result(result), m_station(station) {}

void AnalysisChart::draw(QPainter& painter, const QRect& box) const {
    ChartSurface surface(painter);
    const Station& station = m_result.stations[m_station];
    const LimitSet& limits = m_result.limits;
    surface.setTextColour(Qt::black);
    surface.print(box.left() + LeftMargin, box.top() + 100,
                  QStringLiteral("站点%1 温控曲线　限值组：%2").arg(station.name, limits.name));
    if (m_result.readings->uploadCount() == 0) {
        surface.print(box.left() + LeftMargin, box.top() + TitleHeight, QStringLiteral("没有上传数据。"));
        return;
    }
    QVector<Line> temperatures = {{FigureKind::Core, QColor(220, 0, 0)},
                                  {FigureKind::Surface, QColor(0, 0, 220)},
                                  {FigureKind::Bottom, QColor(0, 128, 0)},
                                  {FigureKind::Air, QColor(128, 128, 128)}};
    if (!station.hasCore())
        temperatures.prepend({FigureKind::MaxTemperature, QColor(128, 0, 128)});
    const Panel panels[] = {
        {QStringLiteral("温度(℃)"), temperatures,
         {{FigureKind::MaxTemperature, station.hasCore() ? FigureKind::Core : FigureKind::MaxTemperature},
          {FigureKind::Rise, FigureKind::Core},
          {FigureKind::SurfaceAir, FigureKind::Surface}},
         limits.limit(LimitKind::MaxTemperature), 2},
        {QStringLiteral("里表温差(℃)"),
         {{FigureKind::CoreSurface, QColor(160, 0, 0)}, {FigureKind::CoreBottom, QColor(0, 110, 110)}},
         {{FigureKind::CoreSurface, FigureKind::CoreSurface}, {FigureKind::CoreBottom, FigureKind::CoreBottom}},
         limits.limit(LimitKind::CoreSurface), 1},
        {QStringLiteral("降温速率(℃/d)"), {{FigureKind::CoolingRate, QColor(120, 0, 160)}},
         {{FigureKind::CoolingRate, FigureKind::CoolingRate}}, limits.limit(LimitKind::CoolingRate), 1},
    };
    const int top = box.top() + TitleHeight;
    const int room = box.height() - TitleHeight - AxisHeight - 2 * PanelGap;
    int y = top;
    QRect plot;
    for (const Panel& panel : panels) {
        const int height = room * panel.weight / 4;
        const QRect area(box.left() + LeftMargin, y, box.width() - LeftMargin - RightMargin, height);
        drawPanel(surface, panel, area);
        plot = area.adjusted(0, BandHeight, 0, 0);
        y += height + PanelGap;
    }
    ChartAxes::drawTimeAxis(surface, m_result.readings->seconds(),
                            QRect(plot.left(), top + BandHeight, plot.width(), plot.bottom() - top - BandHeight),
                            plot.bottom());
}

void AnalysisChart::drawPanel(ChartSurface& s, const Panel& panel, const QRect& area) const {
    const QVector<UploadFigures>& uploads = m_result.series[m_station].uploads;
    const QRect plot = area.adjusted(0, BandHeight, 0, 0);
    QVector<double> values;
    for (const UploadFigures& u : uploads)
        for (const Line& line : panel.lines)
            values.append(u[line.kind].value);
    const double share = m_result.pour.settings.warningShare;
    if (panel.limit)
        values << *panel.limit << share * *panel.limit;
    const ValueScale scale(values);
    const auto yOf = [&](double v) { return scale.place(v, plot.bottom(), plot.top()); };

    s.setTextColour(Qt::black);
    ChartAxes::drawValueTicks(s, scale, plot, plot.bottom(), plot.top(), shortNumber);
    s.box(plot.left(), plot.top(), plot.right(), plot.bottom(), Frame);
    if (panel.limit) {
        const struct {
            double value;
            QColor colour;
            QString label;
        } guides[] = {{*panel.limit, LimitColour, QStringLiteral("限值")},
                      {share * *panel.limit, WarningColour, QStringLiteral("预警")}};
        for (const auto& g : guides) {
            s.line(plot.left(), yOf(g.value), plot.right(), yOf(g.value), g.colour);
            s.setTextColour(g.colour);
            s.print(plot.right() + 60, yOf(g.value) - s.lineHeight() / 2.0, g.label + shortNumber(g.value));
        }
    }

    int legendX = area.left() + s.textWidth(panel.title) + 300;
    s.setTextColour(Qt::black);
    s.print(area.left(), area.top() + 40, panel.title);
    s.setPenWidth(2);
    for (const Line& line : panel.lines) {
        QVector<QPointF> run;
        const auto flush = [&] {
            s.polyline(run, line.colour);
            run.clear();
        };
        for (int i = 0; i < uploads.size(); ++i) {
            const double v = uploads[i][line.kind].value;
            if (qIsNaN(v))
                flush();
            else
                run.append(QPointF(ChartAxes::timeX(m_result.readings->seconds(), i, plot), yOf(v)));
        }
        flush();
        const double legendY = area.top() + 40 + s.lineHeight() / 2.0;
        s.line(legendX, legendY, legendX + 300, legendY, line.colour);
        s.setTextColour(line.colour);
        s.print(legendX + 360, area.top() + 40, Figures::name(line.kind));
        legendX += 360 + s.textWidth(Figures::name(line.kind)) + 300;
    }
    s.setPenWidth(1);
    for (const Mark& mark : panel.marks)
        for (int i = 0; i < uploads.size(); ++i) {
            const FigureState state = uploads[i][mark.judged].state;
            const double v = uploads[i][mark.on].value;
            if ((state == FigureState::Warning || state == FigureState::Over) && !qIsNaN(v)) {
                const double x = ChartAxes::timeX(m_result.readings->seconds(), i, plot);
                s.filledBox(x - MarkSize, yOf(v) - MarkSize, x + MarkSize, yOf(v) + MarkSize,
                            StateColours::text(state));
            }
        }
}

} // namespace analysis
