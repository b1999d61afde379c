#include "common/Clock.h"
#include "tests/update/TestHttpServer.h"
#include "update/UpdateCheck.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Folder = QStringLiteral("/updateOnline/qk_vez2.1");
const QByteArray Engine("#!/bin/sh\nexit 0\n");
const QStringList FirstLines = {QStringLiteral("获取升级服务器地址成功；"),
                                QStringLiteral("检查当前版本号为：2008-0004-3000")};
const QString NoVersion = QStringLiteral("没有找到最新的版本信息！升级任务被中断退出。");
const QStringList NewerLines = {QStringLiteral("在线提供的版本号：2008-0004-3001"),
                                QStringLiteral("您使用的软件需要升级！")};
const QStringList NoEngineLines = NewerLines + QStringList{
    QStringLiteral("正在获取升级引擎……"), QStringLiteral("没有获取到可用的升级引擎！升级任务被中断退出。")};

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

private:
    QStringList m_lines;
    QString m_baseUrl;

    // Runs one check to its end, answering No if asked, and keeps its lines and update folder.
    void run(const UpdateSources& sources, const UpdatePlace& place, Clock& clock) {
        m_lines.clear();
        UpdateCheck check({sources, QVersionNumber(2008, 4, 3000), place,
                           [] { QFAIL("the program must keep running"); }},
                          clock);
        connect(&check, &UpdateCheck::lineAdded, [this](const QString& l) { m_lines << l; });
        connect(&check, &UpdateCheck::confirmationNeeded, [&check] { check.answer(false); });
        QSignalSpy finished(&check, &UpdateCheck::finished);
        check.RunUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
        m_baseUrl = check.UpdateBaseUrl();
    }

private slots:
    void runEndsWithItsLines_data() {
        QTest::addColumn<QByteArray>("newVer"); // null: not on the server
        QTest::addColumn<QByteArray>("engine"); // null: not on the server
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("files"); // left in the program folder
        const QStringList current = {"已经是最新版本,无须升级！任务完成！"};
        QTest::newRow("equal version") << QByteArray("2008,4,3000\r\n") << Engine
                                       << QStringList{"在线提供的版本号：2008-0004-3000"} + current
                                       << QStringList{"NewVer.txt"};
        QTest::newRow("older version") << QByteArray("2008,3,3001\r\n") << Engine
                                       << QStringList{"在线提供的版本号：2008-0003-3001"} + current
                                       << QStringList{"NewVer.txt"};
        QTest::newRow("two values") << QByteArray("2008,4\r\n") << Engine << QStringList{NoVersion}
                                    << QStringList{"NewVer.txt"};
        QTest::newRow("no version file") << QByteArray() << Engine << QStringList{NoVersion}
                                         << QStringList();
        QTest::newRow("engine is no program") << QByteArray("2008,4,3001") << QByteArray("MZ\x90")
                                              << NoEngineLines
                                              << QStringList{"NewVer.txt", "Update"};
        QTest::newRow("engine not found") << QByteArray("2008,4,3001") << QByteArray()
                                          << NoEngineLines << QStringList{"NewVer.txt"};
        QTest::newRow("answered No")
            << QByteArray("2008,4,3001") << Engine
            << NewerLines + QStringList{"正在获取升级引擎……", "获取到可用的升级引擎！",
                                        "升级任务被中断退出。"}
            << QStringList{"NewVer.txt", "Update"};
    }
    void runEndsWithItsLines() {
        QFETCH(QByteArray, newVer);
        QFETCH(QByteArray, engine);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, files);
        TestHttpServer server;
        server.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        if (!newVer.isNull())
            server.serve(Folder + "/NewVer.txt", newVer);
        if (!engine.isNull())
            server.serve(Folder + "/Update", engine);
        QTemporaryDir dir;
        // A copy left by an earlier run must not pass for this run's download.
        QFile stale(dir.filePath("NewVer.txt"));
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("2008,4,3000") > 0);
        stale.close();

        run({server.hostAndPort(), server.url(Folder)}, {dir.path(), false}, m_clock);
        QCOMPARE(m_lines, FirstLines + lines);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), files);
    }

    void bootstrapReplyLeadsToTheUpdateServer_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("with SVR2IP=") << QByteArray("SVR2IP=127.0.0.1\r\n");
        QTest::newRow("bare address") << QByteArray("127.0.0.1");
    }
    void bootstrapReplyLeadsToTheUpdateServer() {
        QFETCH(QByteArray, reply);
        TestHttpServer bootstrap;
        bootstrap.serve("/svr2ip.txt", reply);
        QTemporaryDir dir;
        // Nothing serves port 81 here, so the version file is not found.
        run({bootstrap.hostAndPort(), {}}, {dir.path(), false}, m_clock);
        QCOMPARE(bootstrap.requested(), QStringList{"/svr2ip.txt"});
        QCOMPARE(m_baseUrl, QString("http://127.0.0.1:81/updateOnline/qk_vez2.1"));
        QCOMPARE(m_lines, FirstLines + QStringList{NoVersion});
    }

    void silentServerEndsTheRunAfterTheTimeOut() {
        TestHttpServer bootstrap;
        bootstrap.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        TestHttpServer silent(true);
        QTemporaryDir dir;
        ScaledClock fast(30);
        run({bootstrap.hostAndPort(), silent.url(Folder)}, {dir.path(), false}, fast);
        QCOMPARE(m_lines, FirstLines + QStringList{NoVersion});
    }

    void installedProgramLeavesTheUpdateToThePackageManager() {
        QTemporaryDir root;
        TestHttpServer server;
        server.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        server.serve(Folder + "/NewVer.txt", "2008,4,3001");
        server.serve(Folder + "/Update", Engine);

        run({server.hostAndPort(), server.url(Folder)}, {root.filePath("cache/thermbook"), true},
            m_clock);
        QCOMPARE(m_lines,
                 FirstLines + NewerLines + QStringList{"请通过系统的软件包管理器升级到新版本。"});
        QVERIFY(QFile::exists(root.filePath("cache/thermbook/NewVer.txt")));
        QVERIFY(!server.requested().contains(Folder + "/Update"));
    }

private:
    SystemClock m_clock;
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
