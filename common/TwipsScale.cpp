#include "TwipsScale.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

#include <cmath>

TwipsScale::TwipsScale(double dpiX, double dpiY)
    : m_dpiX(dpiX > 0 ? dpiX : 96.0), m_dpiY(dpiY > 0 ? dpiY : 96.0) {}

TwipsScale TwipsScale::forDevice(const QPaintDevice& device) {
    return {static_cast<double>(device.logicalDpiX()), static_cast<double>(device.logicalDpiY())};
}

TwipsScale TwipsScale::screen() {
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return {s->logicalDotsPerInchX(), s->logicalDotsPerInchY()};
    return {96.0, 96.0};
}

int TwipsScale::fromPoints(double points) {
    return static_cast<int>(std::lround(points * PerPoint));
}

int TwipsScale::x(double twips) const {
    return static_cast<int>(std::lround(xF(twips)));
}

int TwipsScale::y(double twips) const {
    return static_cast<int>(std::lround(yF(twips)));
}

QRectF TwipsScale::toDevice(const QRectF& twips) const {
    return {xF(twips.x()), yF(twips.y()), xF(twips.width()), yF(twips.height())};
}

QRect TwipsScale::toPixels(const QRect& twips) const {
    return {x(twips.x()), y(twips.y()), x(twips.width()), y(twips.height())};
}

int TwipsScale::twipsX(double pixels) const {
    return static_cast<int>(std::lround(pixels * PerInch / m_dpiX));
}

int TwipsScale::twipsY(double pixels) const {
    return static_cast<int>(std::lround(pixels * PerInch / m_dpiY));
}

QRect TwipsScale::toTwips(const QRect& pixels) const {
    return {twipsX(pixels.x()), twipsY(pixels.y()), twipsX(pixels.width()),
            twipsY(pixels.height())};
}

// Window geometry keeps the single horizontal factor it always used, so square screen
// pixels stay square in twips.
int Twips::ToPixels(int twips) {
    return TwipsScale::screen().x(twips);
}

int Twips::FromPixels(int pixels) {
    return TwipsScale::screen().twipsX(pixels);
}

QRect Twips::ToPixels(const QRect& twips) {
    const TwipsScale s = TwipsScale::screen();
    return {s.x(twips.x()), s.x(twips.y()), s.x(twips.width()), s.x(twips.height())};
}

QRect Twips::FromPixels(const QRect& pixels) {
    const TwipsScale s = TwipsScale::screen();
    return {s.twipsX(pixels.x()), s.twipsX(pixels.y()), s.twipsX(pixels.width()),
            s.twipsX(pixels.height())};
}
