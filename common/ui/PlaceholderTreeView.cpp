#include "common/ui/PlaceholderTreeView.h"

#include <QPainter>

PlaceholderTreeView::PlaceholderTreeView(QWidget* parent) : QTreeView(parent) {}

void PlaceholderTreeView::setPlaceholderText(const QString& text) {
    m_placeholder = text;
    viewport()->update();
}

void PlaceholderTreeView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    // Once any view has been asked for, an empty list means "nothing matched", which the
    // advice would misread.
    if (model() || m_placeholder.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().averageCharWidth() * 2;
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignCenter | Qt::TextWordWrap, m_placeholder);
}
