#include "analysis/ChartAxes.h"

#include "analysis/ValueScale.h"
#include "curves/ChartSurface.h"

#include <QRect>

namespace analysis {

void ChartAxes::drawValueTicks(ChartSurface& s, const ValueScale& scale, const QRect& plot,
                               double from, double to, QString (*label)(double)) {
    for (double tick : scale.ticks()) {
        const double y = scale.place(tick, from, to);
        s.line(plot.left(), y, plot.right(), y, Grid);
        const QString text = label(tick);
        s.print(plot.left() - 100 - s.textWidth(text), y - s.lineHeight() / 2.0, text);
    }
}

void ChartAxes::drawBottomTicks(ChartSurface& s, const ValueScale& scale, const QRect& plot,
                                QString (*label)(double)) {
    for (double tick : scale.ticks()) {
        const double x = scale.place(tick, plot.left(), plot.right());
        s.line(x, plot.top(), x, plot.bottom(), Grid);
        const QString text = label(tick);
        s.print(x - s.textWidth(text) / 2.0, plot.bottom() + 80, text);
    }
}

} // namespace analysis
