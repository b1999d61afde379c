#include "frmSplash.h"

#include "Twips.h"
#include "Version.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

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
    Image1->setMinimumHeight(Twips::ToPixels(1200));
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
    lblVersion->setAlignment(Qt::AlignRight);
    layout->addWidget(Image1);
    layout->addWidget(Label2);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addWidget(lblVersion);
    resize(Twips::ToPixels(7200), Twips::ToPixels(4800));
}

void frmSplash::setPicture(const QPixmap& picture) {
    Image1->setPixmap(picture);
}
