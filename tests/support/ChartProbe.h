#pragma once

#include <QColor>
#include <QImage>

#include <cmath>

// Reads a station chart's picture back: where a curve of one colour lies.

// Twips of the chart per pixel of its picture.
inline double twipsPerPixel(const QImage& image) {
    return 1440.0 / (image.dotsPerMeterX() * 0.0254);
}

// The whole degree of the topmost pixel of `colour` in the columns from x0 to x1 (twips);
// -999 when there is none. 0 °C lies 5050 twips down the picture, a degree is 40 twips.
inline int topDegree(const QImage& image, int x0, int x1, const QColor& colour) {
    const double tpp = twipsPerPixel(image);
    for (int y = 0; y < image.height(); ++y)
        for (int x = static_cast<int>(x0 / tpp); x <= static_cast<int>(x1 / tpp); ++x)
            if (image.pixelColor(x, y) == colour)
                return static_cast<int>(std::lround((5050 - (y + 0.5) * tpp) / 40.0));
    return -999;
}
