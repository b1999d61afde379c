#include "common/Clock.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/update/TestHttpServer.h"
#include "tests/update/TestSigner.h"
#include "update/ui/FrmUpdate.h"
#include "update/ui/UpdateController.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

class TestFrmUpdate : public QObject {
    Q_OBJECT

private slots:
    void agreeingHandsOverToTheEngineWithTheUpdateFolder() {
        QTemporaryDir dir;
        const QString argumentRecord = dir.filePath("engine-argument");
        const QString folder = QStringLiteral("/updateOnline/qk_vez2.1");
        TestHttpServer server;
        const TestSigner signer;
        server.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        signer.publish(server, folder + "/NewVer.txt", "2008,4,3001\r\n");
        signer.publish(server, folder + "/Update",
                       "#!/bin/sh\nprintf '%s' \"$1\" > '" + argumentRecord.toUtf8() + "'\n");
        qputenv("THERMBOOK_UPDATE_BOOTSTRAP", server.hostAndPort().toUtf8());
        qputenv("THERMBOOK_UPDATE_BASE_URL", server.url(folder).toUtf8());

        ScriptedPrompts prompts;
        prompts.answer(Prompts::Answer::Yes);
        SystemClock clock;
        QWidget owner;
        bool ended = false;
        UpdateController controller(&owner, prompts, clock, {dir.filePath("program"), false},
                                    [&ended] { ended = true; }, {signer.publicKey()});
        QStringList lines;
        prompts.answerDialog<FrmUpdate>([&lines](FrmUpdate& form) {
            const auto closeAnyway = qScopeGuard([&form] { form.CmdExit->click(); });
            QCOMPARE(form.windowTitle(), QString("在线升级："));
            form.CmdDo->click();
            QVERIFY(!form.CmdDo->isEnabled());
            QTRY_COMPARE_WITH_TIMEOUT(form.CmdDo->text(), QString("执行完毕。"), 30000);
            for (int i = 0; i < form.List1->count(); ++i)
                lines << form.List1->item(i)->text();
        });
        controller.menu_Update_Click();

        QCOMPARE(lines, QStringList({"信息：", "获取升级服务器地址成功；",
                                     "检查当前版本号为：2008-0004-3000",
                                     "在线提供的版本号：2008-0004-3001", "您使用的软件需要升级！",
                                     "正在获取升级引擎……", "获取到可用的升级引擎！"}));
        QCOMPARE(prompts.texts(),
                 QStringList{"升级引擎需要关闭正在运行的主程序才能执行下一步操作，同意吗？"});
        QCOMPARE(prompts.asked().last().title, QString("提示："));
        QVERIFY(ended);
        // The engine runs on its own; its record appears once it has run.
        const auto recorded = [&argumentRecord] {
            QFile record(argumentRecord);
            return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll()) : QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(recorded(), server.url(folder), 30000);
    }
};

QTEST_MAIN(TestFrmUpdate)
#include "test_frm_update.moc"
