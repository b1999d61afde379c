#include "app/SplitterBar.h"

#include "common/TwipsScale.h"

#include <QMouseEvent>

SplitterBar::SplitterBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation) {
    setCursor(orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    setAttribute(Qt::WA_StyledBackground, true);
}

int SplitterBar::positionFor(QMouseEvent* event) const {
    const QPoint inParent = mapToParent(event->position().toPoint());
    const int px = m_orientation == Qt::Vertical ? inParent.x() : inParent.y();
    const int twips = Twips::FromPixels(px);
    return m_clamp ? m_clamp(twips) : twips;
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    setStyleSheet(QStringLiteral("background: palette(dark);"));
    raise();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    const int px = Twips::ToPixels(positionFor(event));
    if (m_orientation == Qt::Vertical)
        move(px, y());
    else
        move(x(), px);
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    setStyleSheet({});
    emit released(positionFor(event));
}
