#include "update/ui/FrmUpdate.h"

#include "common/Prompts.h"
#include "update/UpdateCheck.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FrmUpdate::FrmUpdate(UpdateCheck& check, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_check(check), m_prompts(prompts) {
    setObjectName(QStringLiteral("FrmUpdate"));
    setWindowTitle(QStringLiteral("在线升级："));
    setModal(true);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    CmdDo = new QPushButton(QStringLiteral("开始进行"), this);
    CmdDo->setObjectName(QStringLiteral("CmdDo"));
    CmdExit = new QPushButton(QStringLiteral("退  出"), this);
    CmdExit->setObjectName(QStringLiteral("CmdExit"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdDo);
    buttons->addWidget(CmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1);
    layout->addLayout(buttons);

    connect(CmdDo, &QPushButton::clicked, this, &FrmUpdate::CmdDo_Click);
    connect(CmdExit, &QPushButton::clicked, this, &FrmUpdate::CmdExit_Click);
    connect(&m_check, &UpdateCheck::lineAdded, this, [this](const QString& line) {
        List1->addItem(line);
        List1->scrollToBottom();
    });
    connect(&m_check, &UpdateCheck::confirmationNeeded, this, &FrmUpdate::askConfirmation);
    connect(&m_check, &UpdateCheck::finished, this,
            [this] { CmdDo->setText(QStringLiteral("执行完毕。")); });
    Form_Load();
}

void FrmUpdate::Form_Load() {
    List1->clear();
    List1->addItem(QStringLiteral("信息："));
}

void FrmUpdate::CmdDo_Click() {
    // One run per opening of the window.
    CmdDo->setEnabled(false);
    CmdDo->setText(QStringLiteral("执行中。。。"));
    m_check.RunUpdate();
}

void FrmUpdate::CmdExit_Click() {
    close();
}

void FrmUpdate::askConfirmation() {
    const Prompts::Answer a = m_prompts.message(
        this, QStringLiteral("提示："),
        QStringLiteral("升级引擎需要关闭正在运行的主程序才能执行下一步操作，同意吗？"),
        Prompts::Buttons::YesNo, Prompts::Icon::Question);
    m_check.answer(a == Prompts::Answer::Yes);
}
