#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry is kept in twips (1/1440 inch) and converted once, at the screen's logical DPI.
namespace Twips {

inline constexpr int PerInch = 1440;

// The logical DPI conversions use; the primary screen's unless set for tests.
[[nodiscard]] double ScreenDpi();

[[nodiscard]] int ToPixels(int twips);
[[nodiscard]] int FromPixels(int pixels);
[[nodiscard]] QRect ToPixels(const QRect& twips);
[[nodiscard]] QRect FromPixels(const QRect& pixels);

} // namespace Twips
