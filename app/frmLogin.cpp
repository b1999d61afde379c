#include "app/frmLogin.h"

#include "common/Prompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

QString CurrentUserName() {
#ifdef Q_OS_WIN
    wchar_t name[256] = {};
    DWORD size = 255;
    if (GetUserNameW(name, &size))
        return QString::fromWCharArray(name);
    return {};
#else
    const QString named = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    if (!named.isEmpty())
        return named;
    // A service, or root's shell, may run without either variable.
    const passwd* account = getpwuid(geteuid());
    return account ? QString::fromLocal8Bit(account->pw_name) : QString();
#endif
}

frmLogin::frmLogin(Prompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("登录"));
    setModal(true);

    lblLabels[0] = new QLabel(QStringLiteral("用户名(&U):"), this);
    lblLabels[1] = new QLabel(QStringLiteral("密码(&P):"), this);
    txtUserName = new QLineEdit(CurrentUserName(), this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->setBuddy(txtPassword);

    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("取消"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblLabels[0], 0, 0);
    grid->addWidget(txtUserName, 0, 1);
    grid->addWidget(lblLabels[1], 1, 0);
    grid->addWidget(txtPassword, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    txtPassword->setFocus();
}

std::optional<frmLogin::Access> frmLogin::ask() {
    if (m_prompts.runDialog(*this) != QDialog::Accepted)
        return std::nullopt;
    return m_access;
}

void frmLogin::cmdOK_Click() {
    const QString password = txtPassword->text();
    const bool factory = password == QLatin1String(FactoryAccessWord);
    if (factory || password.isEmpty()) {
        m_access = factory ? Access::Factory : Access::User;
        accept();
        return;
    }
    m_prompts.message(this, QStringLiteral("登录"), QStringLiteral("密码错误，再试一次！"),
                      Prompts::Buttons::Ok, Prompts::Icon::None);
    txtPassword->setFocus();
    txtPassword->selectAll();
}

void frmLogin::cmdCancel_Click() {
    reject();
}
