// app-icon FOLDER SIZE...
//
// Draws the program's icon at each SIZE and writes it as FOLDER/SIZExSIZE/apps/thermbook.png,
// the layout of an icon theme. The icon is drawn, not scaled from one picture, so the small
// sizes stay sharp: a thermometer standing in a block of concrete.

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace {

// Everything is laid out on a 256-unit square and scaled to the size drawn.
constexpr qreal Unit = 256.0;

void drawBackground(QPainter& p) {
    QLinearGradient sky(0, 0, 0, Unit);
    sky.setColorAt(0, QColor(0x3a, 0x6e, 0x9e));
    sky.setColorAt(1, QColor(0x1f, 0x3b, 0x57));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(8, 8, Unit - 16, Unit - 16), 40, 40);
}

void drawConcrete(QPainter& p, bool detailed) {
    QPainterPath clip;
    clip.addRoundedRect(QRectF(8, 8, Unit - 16, Unit - 16), 40, 40);
    p.save();
    p.setClipPath(clip);
    p.setBrush(QColor(0xb8, 0xb4, 0xac));
    p.drawRect(QRectF(8, 168, Unit - 16, Unit - 176));
    p.setBrush(QColor(0xd6, 0xd2, 0xca));
    p.drawRect(QRectF(8, 168, Unit - 16, 10));
    if (detailed) {
        // Aggregate in the pour; it only reads at the larger sizes.
        p.setBrush(QColor(0x8f, 0x8a, 0x82));
        for (const QPointF& stone : {QPointF(40, 200), QPointF(72, 226), QPointF(190, 204),
                                     QPointF(214, 232), QPointF(160, 236), QPointF(100, 198)})
            p.drawEllipse(stone, 7, 5);
    }
    p.restore();
}

void drawThermometer(QPainter& p, bool detailed) {
    const QColor glass(0xf4, 0xf6, 0xf8);
    const QColor mercury(0xe0, 0x3a, 0x2f);
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(108, 28, 40, 170), 20, 20);
    p.drawEllipse(QPointF(128, 196), 34, 34);
    p.setBrush(mercury);
    p.drawRoundedRect(QRectF(118, 84, 20, 112), 10, 10);
    p.drawEllipse(QPointF(128, 196), 24, 24);
    if (detailed) {
        p.setPen(QPen(QColor(0xc8, 0xd4, 0xe0), 4, Qt::SolidLine, Qt::RoundCap));
        for (int y = 52; y <= 148; y += 24)
            p.drawLine(QPointF(150, y), QPointF(164, y));
        p.setPen(Qt::NoPen);
    }
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Unit, size / Unit);
    const bool detailed = size >= 48;
    drawBackground(p);
    drawConcrete(p, detailed);
    drawThermometer(p, detailed);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: app-icon FOLDER SIZE...\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "app-icon: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = root.filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString file = QDir(folder).filePath(QStringLiteral("thermbook.png"));
        if (!QDir().mkpath(folder) || !drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "app-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
