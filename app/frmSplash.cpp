#include "app/frmSplash.h"

#include "common/TwipsScale.h"
#include "common/Version.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// The design picture: a curing curve rising to its peak and cooling off, over a grid.
QPixmap designPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int x = 0; x < size.width(); x += size.width() / 12)
        p.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += size.height() / 5)
        p.drawLine(0, y, size.width(), y);
    QPainterPath curve;
    const double w = size.width();
    const double h = size.height();
    curve.moveTo(0, h * 0.85);
    curve.cubicTo(w * 0.15, h * 0.1, w * 0.3, h * 0.1, w * 0.45, h * 0.25);
    curve.cubicTo(w * 0.65, h * 0.45, w * 0.8, h * 0.6, w, h * 0.7);
    p.setPen(QPen(QColor(255, 160, 40), 3));
    p.drawPath(curve);
    return picture;
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 64, 128));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);

    auto* layout = new QVBoxLayout(this);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(designPicture(QSize(Twips::ToPixels(6000), Twips::ToPixels(1500))));
    Label2 = new QLabel(QStringLiteral("Tenvaro QK-7"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont big = Label2->font();
    big.setPointSize(24);
    big.setBold(true);
    Label2->setFont(big);
    Label2->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(QStringLiteral("仅支持电子测温记录仪 QK-7版（0.1℃版）"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    lblVersion = new QLabel(QStringLiteral("版本： %1.%2.%3")
                                .arg(Version::Major)
                                .arg(Version::Minor)
                                .arg(Version::Revision),
                            this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    // The login sits over the bottom-right corner while the splash shows; the version is
    // read at the top.
    layout->addWidget(lblVersion, 0, Qt::AlignRight);
    layout->addWidget(Image1);
    layout->addWidget(Label2);
    layout->addWidget(Label1);
    layout->addStretch();
    resize(Twips::ToPixels(7200), Twips::ToPixels(4800));
}

void frmSplash::setPicture(const QPixmap& picture) {
    Image1->setPixmap(picture);
}
