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

} // namespace analysis
