#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

double Twips::ScreenDpi() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96.0;
}

int Twips::ToPixels(int twips) {
    return static_cast<int>(std::lround(twips * ScreenDpi() / PerInch));
}

int Twips::FromPixels(int pixels) {
    return static_cast<int>(std::lround(pixels * PerInch / ScreenDpi()));
}

QRect Twips::ToPixels(const QRect& twips) {
    return {ToPixels(twips.x()), ToPixels(twips.y()), ToPixels(twips.width()),
            ToPixels(twips.height())};
}

QRect Twips::FromPixels(const QRect& pixels) {
    return {FromPixels(pixels.x()), FromPixels(pixels.y()), FromPixels(pixels.width()),
            FromPixels(pixels.height())};
}
