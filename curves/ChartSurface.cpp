#include "curves/ChartSurface.h"

#include <QPainter>
#include <QPen>
#include <QRectF>

// The layout was made for the classic Chinese system font, whose text cell is one em high
// with the baseline at 0.86 em. Cells of that size keep the legend rows, labels and title
// apart whatever line spacing the font at hand has.
namespace {

constexpr double BaselineInEm = 0.86;

} // namespace

ChartSurface::ChartSurface(QPainter& painter)
    : m_painter(painter), m_scale(TwipsScale::forDevice(*painter.device())),
      m_metrics(ChartFont(), painter.device()) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setFont(ChartFont());
}

QFont ChartSurface::ChartFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK"),
                      QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
    font.setPointSize(FontPoints);
    return font;
}

void ChartSurface::setPenWidth(double screenPixels) {
    m_penWidth = screenPixels;
}

void ChartSurface::usePen(const QColor& colour) {
    QPen pen(colour, m_scale.xF(m_penWidth * TwipsScale::TwipsPerScreenPixel));
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
}

void ChartSurface::line(double x1, double y1, double x2, double y2, const QColor& colour) {
    usePen(colour);
    m_painter.drawLine(at(x1, y1), at(x2, y2));
}

void ChartSurface::box(double x1, double y1, double x2, double y2, const QColor& colour) {
    usePen(colour);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(at(x1, y1), at(x2, y2)).normalized());
}

void ChartSurface::filledBox(double x1, double y1, double x2, double y2, const QColor& colour) {
    usePen(colour);
    m_painter.setBrush(colour);
    m_painter.drawRect(QRectF(at(x1, y1), at(x2, y2)).normalized());
    m_painter.setBrush(Qt::NoBrush);
}

void ChartSurface::polyline(const QVector<QPointF>& points, const QColor& colour) {
    if (points.isEmpty())
        return;
    usePen(colour);
    QVector<QPointF> device;
    device.reserve(points.size());
    for (const QPointF& p : points)
        device.append(at(p.x(), p.y()));
    if (device.size() == 1)
        m_painter.drawPoint(device.first());
    else
        m_painter.drawPolyline(device.constData(), static_cast<int>(device.size()));
}

void ChartSurface::print(double x, double y, const QString& text) {
    m_painter.setPen(m_textColour);
    m_painter.drawText(at(x, y + BaselineInEm * FontPoints * TwipsScale::PerPoint), text);
}

int ChartSurface::textWidth(const QString& text) const {
    return m_scale.twipsX(m_metrics.horizontalAdvance(text));
}

int ChartSurface::lineHeight() const {
    return static_cast<int>(FontPoints * TwipsScale::PerPoint);
}
