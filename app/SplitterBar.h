#pragma once

#include <QWidget>

#include <functional>

// A draggable bar between panes. While the mouse is held it moves within the limits
// its owner gives; releasing the mouse reports the final position.
class SplitterBar : public QWidget {
    Q_OBJECT

signals:
    void released(int positionTwips);

public:
    SplitterBar(Qt::Orientation orientation, QWidget* parent);

    // Limits the bar's position during a drag (twips, in the parent's coordinates).
    void setClamp(std::function<int(int)> clamp) { m_clamp = std::move(clamp); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] int positionFor(QMouseEvent* event) const;

    Qt::Orientation m_orientation;
    std::function<int(int)> m_clamp;
    bool m_dragging = false;
};
