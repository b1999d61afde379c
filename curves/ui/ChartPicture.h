#pragma once

#include <QImage>
#include <QWidget>

// The chart surface of the curve window: it shows its drawing, keeps it across repaints
// and reports mouse buttons going down and up, in its own pixel coordinates.
class ChartPicture : public QWidget {
    Q_OBJECT

signals:
    void mouseDown(Qt::MouseButton button, const QPoint& position);
    void mouseUp(Qt::MouseButton button, const QPoint& position);

public:
    explicit ChartPicture(QWidget* parent = nullptr);

    // A white picture of that size in twips, at the screen's resolution, to draw on.
    [[nodiscard]] static QImage BlankImage(int widthTwips, int heightTwips);

    // Shows the drawing and takes its size.
    void setImage(const QImage& image);
    [[nodiscard]] const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};
