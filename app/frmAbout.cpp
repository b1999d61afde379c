#include "app/frmAbout.h"

#include "common/Module1.h"
#include "common/Version.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(const Module1& state, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于 ") + Module1::AppTitle);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    lblTitle = new QLabel(Module1::AppTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSize(16);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = new QLabel(QStringLiteral("版本 %1.%2.%3")
                                .arg(Version::Major)
                                .arg(Version::Minor)
                                .arg(Version::Revision),
                            this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel(QStringLiteral("Tenvaro(R)大体积混凝土测温控温系列："), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    auto* types1 = new QLabel(
        QStringLiteral("    QK-7 便携记忆型电子测温记录仪（0.1℃版）  ← 本程序适用"), this);
    auto* types2 =
        new QLabel(QStringLiteral("    QK-5 多路巡检测温仪 / QK-9 无线测温控温系统"), this);
    auto* notice1 =
        new QLabel(QStringLiteral("警告：本计算机程序受著作权法和国际条约保护。"), this);
    auto* notice2 = new QLabel(
        QStringLiteral("未经授权而擅自复制或传播本程序的全部或部分，将受到严厉的民事和刑事制裁。"),
        this);
    notice2->setWordWrap(true);
    lblDataPlace = new QLabel(QStringLiteral("数据库文件：%1\n报表和输出文件：%2")
                                  .arg(QDir::toNativeSeparators(state.DatabasePath),
                                       QDir::toNativeSeparators(state.DocumentsFolder)),
                              this);
    lblDataPlace->setObjectName(QStringLiteral("lblDataPlace"));
    lblDataPlace->setWordWrap(true);
    // So the paths can be copied into a file manager.
    lblDataPlace->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    for (QWidget* w : {static_cast<QWidget*>(lblTitle), static_cast<QWidget*>(lblVersion),
                       static_cast<QWidget*>(lblDescription), static_cast<QWidget*>(types1),
                       static_cast<QWidget*>(types2), static_cast<QWidget*>(lblDataPlace),
                       static_cast<QWidget*>(notice1), static_cast<QWidget*>(notice2)})
        layout->addWidget(w);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
}
