#include "store/StoreAddress.h"
#include "store/ui/FrmDatabaseSetting.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TmpfsMount.h"
#include "tests/support/WindowParts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The server settings: what is kept, and a settings folder that cannot be written.
class TestFrmDatabaseSetting : public QObject {
    Q_OBJECT

private:
    static void choose(FrmDatabaseSetting& dlg, const QString& sslMode) {
        Part<QRadioButton>(dlg, "optServer")->setChecked(true);
        Part<QLineEdit>(dlg, "txtHost")->setText(QStringLiteral("db.example"));
        Part<QLineEdit>(dlg, "txtDatabase")->setText(QStringLiteral("thermbook"));
        Part<QLineEdit>(dlg, "txtUser")->setText(QStringLiteral("site"));
        Part<QComboBox>(dlg, "cboSslMode")->setCurrentText(sslMode);
        dlg.cmdOK_Click();
    }

private slots:
    void theServerIsKeptWithItsEncryption() {
        QTemporaryDir config;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        qunsetenv(StoreAddress::EnvironmentVariable);
        ScriptedPrompts prompts;
        FrmDatabaseSetting dlg(prompts);
        QCOMPARE(Part<QComboBox>(dlg, "cboSslMode")->currentText(), QStringLiteral("prefer"));
        choose(dlg, QStringLiteral("verify-full"));
        QCOMPARE(prompts.texts().last(), QStringLiteral("新的数据库设置将在程序下次启动时生效。"));
        const StoreAddress chosen = StoreAddress::chosen(QStringLiteral("local.mdb"));
        QCOMPARE(chosen.text(),
                 QStringLiteral("postgresql://site@db.example:5432/thermbook?sslmode=verify-full"));
        QCOMPARE(StoreAddress(chosen.text()).sslMode(), QStringLiteral("verify-full"));
    }

    void aSettingsFolderThatCannotBeWrittenIsTold() {
        TmpfsMount readOnly(64, TmpfsMount::Access::ReadOnly);
        if (!readOnly.mounted())
            QSKIP(qPrintable(readOnly.why()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, readOnly.path());
        ScriptedPrompts prompts;
        FrmDatabaseSetting dlg(prompts);
        choose(dlg, QStringLiteral("require"));
        QVERIFY2(prompts.texts().last().startsWith(QStringLiteral("数据库设置没有保存")),
                 qPrintable(prompts.texts().last()));
        QVERIFY(!StoreAddress::chosen(QStringLiteral("local.mdb")).isServer());
    }
};

QTEST_MAIN(TestFrmDatabaseSetting)
#include "test_frm_database_setting.moc"
