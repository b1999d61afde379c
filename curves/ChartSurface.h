#pragma once

#include "common/TwipsScale.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QVector>

class QPainter;
class QString;

// The drawing operations the chart is written in, all in twips, on whatever device the
// painter paints on: the window's picture, a printer page or a bitmap. Pen widths are in
// screen pixels (15 twips each), so a line prints as thick as it shows on screen. Lines
// are drawn without smoothing, as on the classic drawing surface.
class ChartSurface {
public:
    explicit ChartSurface(QPainter& painter);

    // The font the chart's texts are measured and printed in; it carries the Chinese
    // characters of labels, legend and title.
    [[nodiscard]] static QFont ChartFont();
    static constexpr int FontPoints = 9;

    void setPenWidth(double screenPixels);
    void setTextColour(const QColor& colour) { m_textColour = colour; }

    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    // The outline of the box with these corners.
    void box(double x1, double y1, double x2, double y2, const QColor& colour);
    // The box with these corners filled, its outline drawn in the same colour with the
    // current pen, so a box of no height is a line as thick as the pen.
    void filledBox(double x1, double y1, double x2, double y2, const QColor& colour);
    // A line through the points; a single point is drawn as a dot.
    void polyline(const QVector<QPointF>& points, const QColor& colour);

    // Prints text in the text colour with the top left of its cell at (x, y).
    void print(double x, double y, const QString& text);
    [[nodiscard]] int textWidth(const QString& text) const;
    // The height of one line of text, whatever the text: one em.
    [[nodiscard]] int lineHeight() const;

private:
    void usePen(const QColor& colour);
    [[nodiscard]] QPointF at(double x, double y) const { return m_scale.toDevice({x, y}); }

    QPainter& m_painter;
    TwipsScale m_scale;
    QFontMetricsF m_metrics;
    double m_penWidth = 1.0;
    QColor m_textColour = Qt::black;
};
