#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

class QPaintDevice;

// Geometry is kept in twips (1/1440 inch) and converted once, through the scale of the
// device it lands on: the screen, a printer page or an image. One drawing code then serves
// all three, and a printed line comes out as long as the one on screen.
class TwipsScale {
public:
    static constexpr int PerInch = 1440;
    // A typographic point, the unit of paper sizes and font sizes.
    static constexpr int PerPoint = 20;
    // A screen pixel at the classic 96 DPI; pen widths given in pixels are this many twips.
    static constexpr int TwipsPerScreenPixel = 15;

    TwipsScale(double dpiX, double dpiY);

    [[nodiscard]] static TwipsScale forDevice(const QPaintDevice& device);
    // Points to whole twips, rounded.
    [[nodiscard]] static int fromPoints(double points);
    // The primary screen's logical DPI (96 where there is no screen).
    [[nodiscard]] static TwipsScale screen();

    [[nodiscard]] double dpiX() const { return m_dpiX; }
    [[nodiscard]] double dpiY() const { return m_dpiY; }

    // Twips to device pixels, exact and rounded.
    [[nodiscard]] double xF(double twips) const { return twips * m_dpiX / PerInch; }
    [[nodiscard]] double yF(double twips) const { return twips * m_dpiY / PerInch; }
    [[nodiscard]] int x(double twips) const;
    [[nodiscard]] int y(double twips) const;
    [[nodiscard]] QPointF toDevice(const QPointF& twips) const { return {xF(twips.x()), yF(twips.y())}; }

    // Device pixels back to twips.
    [[nodiscard]] int twipsX(double pixels) const;

private:
    double m_dpiX;
    double m_dpiY;
};

// The screen's conversions, for window geometry.
namespace Twips {

[[nodiscard]] int ToPixels(int twips);
[[nodiscard]] int FromPixels(int pixels);
[[nodiscard]] QRect ToPixels(const QRect& twips);

} // namespace Twips
