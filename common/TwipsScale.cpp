#include "common/TwipsScale.h"

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

int TwipsScale::twipsX(double pixels) const {
    return static_cast<int>(std::lround(pixels * PerInch / m_dpiX));
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
