#include "store/ui/FrmDatabaseSetting.h"

#include "common/AppSettings.h"
#include "common/Module1.h"
#include "common/Prompts.h"
#include "common/ui/DialogControls.h"
#include "store/StoreAddress.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using DialogControls::named;

FrmDatabaseSetting::FrmDatabaseSetting(Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_prompts(prompts),
      m_optFile(named(new QRadioButton(QStringLiteral("本机数据库文件（默认）"), this), "optFile")),
      m_optServer(named(new QRadioButton(QStringLiteral("PostgreSQL 数据库服务器"), this), "optServer")),
      m_host(named(new QLineEdit(this), "txtHost")),
      m_port(named(new QSpinBox(this), "txtPort")),
      m_database(named(new QLineEdit(this), "txtDatabase")),
      m_user(named(new QLineEdit(this), "txtUser")),
      m_sslMode(named(new QComboBox(this), "cboSslMode")) {
    setObjectName(QStringLiteral("FrmDatabaseSetting"));
    setWindowTitle(QStringLiteral("数据库设置"));
    m_port->setRange(1, 65535);

    const StoreAddress server = StoreAddress::savedServer();
    m_host->setText(server.host());
    m_port->setValue(server.port());
    m_database->setText(server.database());
    m_user->setText(server.user());
    m_sslMode->addItems(StoreAddress::sslModes());
    m_sslMode->setCurrentText(server.sslMode());
    (StoreAddress::chosen(QString()).isServer() ? m_optServer : m_optFile)->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("服务器："), m_host);
    form->addRow(QStringLiteral("端口："), m_port);
    form->addRow(QStringLiteral("数据库："), m_database);
    form->addRow(QStringLiteral("用户："), m_user);
    form->addRow(QStringLiteral("加密（sslmode）："), m_sslMode);
    auto* note = new QLabel(QStringLiteral("密码不由本程序保存：请写在 ~/.pgpass（或 PGPASSFILE 指定的文件）中，"
                                           "否则程序启动时会询问一次。"),
                            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_optFile);
    layout->addWidget(m_optServer);
    layout->addLayout(form);
    layout->addWidget(note);
    if (StoreAddress::environmentOverrides())
        layout->addWidget(new QLabel(QStringLiteral("环境变量 THERMBOOK_DATABASE_URL 已指定数据库，"
                                                    "这里的设置在它取消之前不起作用。"),
                                     this));
    layout->addWidget(buttons);

    connect(m_optServer, &QRadioButton::toggled, this, &FrmDatabaseSetting::updateEnabled);
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmDatabaseSetting::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateEnabled();
}

void FrmDatabaseSetting::updateEnabled() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_host, m_port, m_database, m_user, m_sslMode})
        w->setEnabled(m_optServer->isChecked());
}

void FrmDatabaseSetting::cmdOK_Click() {
    const StoreAddress server = StoreAddress::server(m_host->text(), m_port->value(),
                                                     m_database->text(), m_user->text(),
                                                     m_sslMode->currentText());
    if (m_optServer->isChecked() &&
        (server.host().isEmpty() || server.database().isEmpty() || server.user().isEmpty())) {
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("请填写服务器、数据库和用户。"), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    const bool saved = StoreAddress::saveChoice(
        m_optServer->isChecked() ? server : StoreAddress(QStringLiteral("file")));
    if (!saved) {
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("数据库设置没有保存：设置文件无法写入（文件夹只读或磁盘已满）。\n") +
                              AppSettings::FileName(Module1::AppTitle),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    }
    m_prompts.message(this, QStringLiteral("提示："),
                      QStringLiteral("新的数据库设置将在程序下次启动时生效。"));
    accept();
}
