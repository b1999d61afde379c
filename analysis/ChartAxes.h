#pragma once

#include <QColor>
#include <QString>
#include <QVector>

class ChartSurface;
class QRect;

namespace analysis {

class ValueScale;

// What the analysis charts share around their plots: the frame and grid shades and the
// value axis at the left.
namespace ChartAxes {

inline const QColor Frame(128, 128, 128);
inline const QColor Grid(220, 220, 220);
// Room above the plots for the title, and left of them for the value labels, in twips.
inline constexpr int TitleHeight = 450;
inline constexpr int LeftMargin = 900;
// Room below the plots for the time labels.
inline constexpr int AxisHeight = 450;

// A value as the axes label it: at most three decimals, no trailing zeros.
[[nodiscard]] QString shortNumber(double value);

// A grid line across the plot at each tick of the scale, its label left of the plot. The
// scale's low lands at `from` and its high at `to`, both y in twips.
void drawValueTicks(ChartSurface& s, const ValueScale& scale, const QRect& plot, double from,
                    double to, QString (*label)(double));
// The same across: a grid line up the plot at each tick, its label below the plot.
void drawBottomTicks(ChartSurface& s, const ValueScale& scale, const QRect& plot,
                     QString (*label)(double));

// Where an upload lands across the plot, its moment among `seconds`, the moments of all.
[[nodiscard]] double timeX(const QVector<qint64>& seconds, int upload, const QRect& plot);
// Grid lines up the plot at round hours or days, their labels below `bottom`.
void drawTimeAxis(ChartSurface& s, const QVector<qint64>& seconds, const QRect& plot, int bottom);

} // namespace ChartAxes

} // namespace analysis
