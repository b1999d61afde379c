#include "analysis/ChartAxes.h"

#include "analysis/NumberFormats.h"
#include "analysis/ValueScale.h"
#include "common/NumberText.h"
#include "curves/ChartSurface.h"

#include <QDateTime>
#include <QRect>

#include <algorithm>
#include <iterator>

namespace analysis {

QString ChartAxes::shortNumber(double value) {
    return PlainNumber(NumberFormats::rounded(value));
}

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

double ChartAxes::timeX(const QVector<qint64>& seconds, int upload, const QRect& plot) {
    const double span = std::max<qint64>(seconds.last() - seconds.first(), 3600);
    return plot.left() + (seconds[upload] - seconds.first()) / span * plot.width();
}

void ChartAxes::drawTimeAxis(ChartSurface& s, const QVector<qint64>& seconds, const QRect& plot, int bottom) {
    const qint64 first = seconds.first();
    const qint64 span = std::max<qint64>(seconds.last() - first, 3600);
    // The step, in hours, that keeps the labels at least 1400 twips apart.
    const int steps[] = {1, 2, 3, 6, 12, 24, 48, 120, 168, 336, 720, 1440};
    int step = steps[std::size(steps) - 1];
    for (int h : steps)
        if (plot.width() * (h * 3600.0) / span >= 1400) {
            step = h;
            break;
        }
    const qint64 stepSeconds = qint64(step) * 3600;
    const qint64 firstTick = (first + stepSeconds - 1) / stepSeconds * stepSeconds;
    s.setTextColour(Qt::black);
    for (qint64 t = firstTick; t <= first + span; t += stepSeconds) {
        const double x = plot.left() + double(t - first) / span * plot.width();
        s.line(x, plot.top(), x, bottom, Grid);
        const QDateTime moment = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
        const QString label = moment.toString(step < 24 ? QStringLiteral("dd日HH时")
                                                        : QStringLiteral("MM-dd"));
        s.print(x - s.textWidth(label) / 2.0, bottom + 80, label);
    }
}

} // namespace analysis
