#include "curves/ui/ChartPicture.h"

#include "common/TwipsScale.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr double MetresPerInch = 0.0254;

} // namespace

ChartPicture::ChartPicture(QWidget* parent) : QWidget(parent) {}

QImage ChartPicture::BlankImage(int widthTwips, int heightTwips) {
    const TwipsScale screen = TwipsScale::screen();
    QImage image(screen.x(widthTwips), screen.y(heightTwips), QImage::Format_RGB32);
    // The image measures twips as the screen does, so the chart lands on it pixel for pixel
    // where the window's geometry expects it.
    image.setDotsPerMeterX(static_cast<int>(std::lround(screen.dpiX() / MetresPerInch)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(screen.dpiY() / MetresPerInch)));
    image.fill(Qt::white);
    return image;
}

void ChartPicture::setImage(const QImage& image) {
    m_image = image;
    resize(m_image.size());
    update();
}

void ChartPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void ChartPicture::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->position().toPoint());
}

void ChartPicture::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(event->button(), event->position().toPoint());
}
