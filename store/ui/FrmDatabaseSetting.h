#pragma once

#include <QDialog>

class Prompts;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "数据库设置…": the local database file (the default) or a PostgreSQL server. The choice
// is kept in the settings store, never a password, and takes effect at the next start,
// when the windows are made for the store in use.
class FrmDatabaseSetting : public QDialog {
    Q_OBJECT

public:
    FrmDatabaseSetting(Prompts& prompts, QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();

private:
    void updateEnabled();

    Prompts& m_prompts;
    QRadioButton* m_optFile;
    QRadioButton* m_optServer;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_database;
    QLineEdit* m_user;
    QComboBox* m_sslMode;
};
