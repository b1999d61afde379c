#include "common/Clock.h"
#include "tests/update/TestHttpServer.h"
#include "tests/update/TestSigner.h"
#include "update/UpdateCheck.h"

#include <QDir>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Folder = QStringLiteral("/updateOnline/qk_vez2.1");
const QByteArray Engine("#!/bin/sh\nexit 0\n");
const QStringList FirstLines = {QStringLiteral("获取升级服务器地址成功；"),
                                QStringLiteral("检查当前版本号为：2008-0004-3000")};
const QString NoVersion = QStringLiteral("没有找到最新的版本信息！升级任务被中断退出。");
const QString Tampered = QStringLiteral("升级文件的签名无效，可能已被篡改！升级任务被中断退出。");
const QStringList NewerLines = {QStringLiteral("在线提供的版本号：2008-0004-3001"),
                                QStringLiteral("您使用的软件需要升级！")};
const QStringList EngineLines = NewerLines + QStringList{QStringLiteral("正在获取升级引擎……")};
const QStringList NoEngineLines =
    EngineLines + QStringList{QStringLiteral("没有获取到可用的升级引擎！升级任务被中断退出。")};

// How a served file is signed.
enum Signed { Good, Unsigned, OtherKey, OtherFile };
// How a slow server answers.
enum Slow { Silent, Dripping, Announcing };

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

private:
    SystemClock m_clock;
    TestSigner m_signer;
    TestSigner m_stranger;
    QStringList m_lines;
    QString m_baseUrl;

    // Runs one check to its end, answering No if asked, and keeps its lines and update folder.
    void run(const UpdateSources& sources, const UpdatePlace& place, Clock& clock,
             const QStringList& keys) {
        m_lines.clear();
        UpdateCheck check({sources, QVersionNumber(2008, 4, 3000), place, keys,
                           [] { QFAIL("the program must keep running"); }},
                          clock);
        connect(&check, &UpdateCheck::lineAdded, [this](const QString& l) { m_lines << l; });
        connect(&check, &UpdateCheck::confirmationNeeded, [&check] { check.answer(false); });
        QSignalSpy finished(&check, &UpdateCheck::finished);
        check.RunUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
        m_baseUrl = check.UpdateBaseUrl();
    }
    void run(const UpdateSources& sources, const QString& folder) {
        run(sources, {folder, false}, m_clock, {m_signer.publicKey()});
    }

    void publish(TestHttpServer& server, const QString& path, const QByteArray& content, int how) {
        server.serve(path, content);
        const QString sig = path + QStringLiteral(".sig");
        if (how == Good)
            server.serve(sig, m_signer.signature(content));
        else if (how == OtherKey)
            server.serve(sig, m_stranger.signature(content));
        else if (how == OtherFile)
            server.serve(sig, m_signer.signature("2008,4,3001"));
    }

    // A server with the bootstrap reply and a version file announcing the next version.
    void offerNextVersion(TestHttpServer& server) {
        server.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        publish(server, Folder + "/NewVer.txt", "2008,4,3001", Good);
    }

private slots:
    void runEndsWithItsLines_data() {
        QTest::addColumn<QByteArray>("newVer"); // null: not on the server
        QTest::addColumn<int>("newVerSigned");
        QTest::addColumn<QByteArray>("engine"); // null: not on the server
        QTest::addColumn<int>("engineSigned");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("files"); // left in the program folder
        const QStringList current = {"已经是最新版本,无须升级！任务完成！"};
        const QByteArray next("2008,4,3001");
        QTest::newRow("equal version") << QByteArray("2008,4,3000\r\n") << +Good << Engine << +Good
                                       << QStringList{"在线提供的版本号：2008-0004-3000"} + current
                                       << QStringList{"NewVer.txt"};
        QTest::newRow("older version") << QByteArray("2008,3,3001\r\n") << +Good << Engine << +Good
                                       << QStringList{"在线提供的版本号：2008-0003-3001"} + current
                                       << QStringList{"NewVer.txt"};
        QTest::newRow("two values") << QByteArray("2008,4\r\n") << +Good << Engine << +Good
                                    << QStringList{NoVersion} << QStringList{"NewVer.txt"};
        QTest::newRow("no version file")
            << QByteArray() << +Good << Engine << +Good << QStringList{NoVersion} << QStringList();
        QTest::newRow("version file beyond its size")
            << next + QByteArray(UpdateCheck::SmallFileLimit, ' ') << +Good << Engine << +Good
            << QStringList{NoVersion} << QStringList();
        QTest::newRow("version file unsigned")
            << next << +Unsigned << Engine << +Good << QStringList{Tampered} << QStringList();
        QTest::newRow("version file signed by another key")
            << next << +OtherKey << Engine << +Good << QStringList{Tampered} << QStringList();
        QTest::newRow("engine is no program")
            << next << +Good << QByteArray("MZ\x90") << +Good << NoEngineLines
            << QStringList{"NewVer.txt", "Update"};
        QTest::newRow("engine not found")
            << next << +Good << QByteArray() << +Good << NoEngineLines << QStringList{"NewVer.txt"};
        QTest::newRow("engine unsigned")
            << next << +Good << Engine << +Unsigned << EngineLines + QStringList{Tampered}
            << QStringList{"NewVer.txt"};
        QTest::newRow("engine with the version file's signature")
            << next << +Good << Engine << +OtherFile << EngineLines + QStringList{Tampered}
            << QStringList{"NewVer.txt"};
        QTest::newRow("answered No")
            << next << +Good << Engine << +Good
            << EngineLines + QStringList{"获取到可用的升级引擎！", "升级任务被中断退出。"}
            << QStringList{"NewVer.txt", "Update"};
    }
    void runEndsWithItsLines() {
        QFETCH(QByteArray, newVer);
        QFETCH(int, newVerSigned);
        QFETCH(QByteArray, engine);
        QFETCH(int, engineSigned);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, files);
        TestHttpServer server;
        server.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        if (!newVer.isNull())
            publish(server, Folder + "/NewVer.txt", newVer, newVerSigned);
        if (!engine.isNull())
            publish(server, Folder + "/Update", engine, engineSigned);
        QTemporaryDir dir;
        // A copy left by an earlier run must not pass for this run's download.
        QFile stale(dir.filePath("NewVer.txt"));
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("2008,4,3000") > 0);
        stale.close();

        run({server.hostAndPort(), server.url(Folder)}, dir.path());
        QCOMPARE(m_lines, FirstLines + lines);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), files);
        if (files.contains("Update"))
            QVERIFY(!(QFile::permissions(dir.filePath("Update")) & QFileDevice::ExeOwner));
    }

    void withoutAKeyNothingIsFetched_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("no key") << QStringList();
        QTest::newRow("no Ed25519 key") << QStringList{"MCowBQYDK2VwAyEAbm90IGEga2V5"};
    }
    void withoutAKeyNothingIsFetched() {
        QFETCH(QStringList, keys);
        TestHttpServer server;
        offerNextVersion(server);
        QTemporaryDir dir;
        run({server.hostAndPort(), server.url(Folder)}, {dir.path(), false}, m_clock, keys);
        QCOMPARE(m_lines, QStringList{"本程序没有配置升级签名密钥，无法在线升级。"});
        QVERIFY(server.requested().isEmpty());
    }

    void bootstrapReplyLeadsToTheUpdateServer_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("baseUrl");
        const QString port81 = QStringLiteral("http://127.0.0.1:81/updateOnline/qk_vez2.1");
        QTest::newRow("with SVR2IP=") << QByteArray("SVR2IP=127.0.0.1\r\n") << port81;
        QTest::newRow("bare address") << QByteArray("127.0.0.1") << port81;
        QTest::newRow("with its own port") << QByteArray("SVR2IP=127.0.0.1:8080\r\n") << QString();
        QTest::newRow("with a path") << QByteArray("SVR2IP=evil.example/x?") << QString();
    }
    void bootstrapReplyLeadsToTheUpdateServer() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, baseUrl);
        TestHttpServer bootstrap;
        bootstrap.serve("/svr2ip.txt", reply);
        QTemporaryDir dir;
        // Nothing serves port 81 here, so the version file is not found.
        run({bootstrap.hostAndPort(), {}}, dir.path());
        QCOMPARE(bootstrap.requested(), QStringList{"/svr2ip.txt"});
        QCOMPARE(m_baseUrl, baseUrl);
        QCOMPARE(m_lines, FirstLines + QStringList{NoVersion});
    }

    void aRedirectToAnotherServerIsNotFollowed() {
        TestHttpServer elsewhere;
        offerNextVersion(elsewhere);
        TestHttpServer server;
        server.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        server.redirect(Folder + "/NewVer.txt", elsewhere.url(Folder + "/NewVer.txt"));
        QTemporaryDir dir;
        run({server.hostAndPort(), server.url(Folder)}, dir.path());
        QCOMPARE(m_lines, FirstLines + QStringList{NoVersion});
        QVERIFY(elsewhere.requested().isEmpty());
    }

    void slowServersEndTheRunInTime_data() {
        QTest::addColumn<int>("server");
        QTest::addColumn<double>("speed"); // of the clock
        QTest::newRow("silent: the request's time-out") << +Silent << 60.0;
        QTest::newRow("a byte at a time: the run's deadline") << +Dripping << 60.0;
        // In real time the deadline is minutes away: only the size ends this one at once.
        QTest::newRow("announcing too much: at once") << +Announcing << 1.0;
    }
    void slowServersEndTheRunInTime() {
        QFETCH(int, server);
        QFETCH(double, speed);
        TestHttpServer bootstrap;
        bootstrap.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        TestHttpServer slow(server == Silent);
        slow.drip(Folder + "/NewVer.txt", server == Announcing ? 1 << 20 : -1);
        QTemporaryDir dir;
        ScaledClock clock(speed);
        run({bootstrap.hostAndPort(), slow.url(Folder)}, {dir.path(), false}, clock,
            {m_signer.publicKey()});
        QCOMPARE(m_lines, FirstLines + QStringList{NoVersion});
    }

    void httpsIsCheckedAgainstTheTrustedCertificates_data() {
        QTest::addColumn<bool>("trusted");
        QTest::newRow("trusted") << true;
        QTest::newRow("not trusted") << false;
    }
    void httpsIsCheckedAgainstTheTrustedCertificates() {
        QFETCH(bool, trusted);
        QTemporaryDir dir;
        const QString key = dir.filePath("tls-key.pem");
        const QString certificate = dir.filePath("tls-cert.pem");
        (void)TestSigner::openssl({"req", "-x509", "-newkey", "ec", "-pkeyopt",
                                   "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", key, "-out",
                                   certificate, "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                                   "subjectAltName=IP:127.0.0.1"});
        const QList<QSslCertificate> chain = QSslCertificate::fromPath(certificate);
        QFile keyFile(key);
        QVERIFY(chain.size() == 1 && keyFile.open(QIODevice::ReadOnly));
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(chain.first());
        tls.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Ec));
        // The program trusts what the system trusts; this test's own authority joins it.
        const QSslConfiguration system = QSslConfiguration::defaultConfiguration();
        const auto restore =
            qScopeGuard([&system] { QSslConfiguration::setDefaultConfiguration(system); });
        if (trusted) {
            QSslConfiguration withTest = system;
            withTest.addCaCertificates(chain);
            QSslConfiguration::setDefaultConfiguration(withTest);
        }
        TestHttpServer bootstrap;
        bootstrap.serve("/svr2ip.txt", "SVR2IP=127.0.0.1\r\n");
        TestHttpServer server(false, &tls);
        publish(server, Folder + "/NewVer.txt", "2008,4,3000", Good);
        run({bootstrap.hostAndPort(), server.url(Folder)}, dir.path());
        QCOMPARE(m_lines, FirstLines + (trusted ? QStringList{"在线提供的版本号：2008-0004-3000",
                                                              "已经是最新版本,无须升级！任务完成！"}
                                                : QStringList{NoVersion}));
    }

    void installedProgramLeavesTheUpdateToThePackageManager() {
        QTemporaryDir root;
        TestHttpServer server;
        offerNextVersion(server);
        publish(server, Folder + "/Update", Engine, Good);

        run({server.hostAndPort(), server.url(Folder)}, {root.filePath("cache/thermbook"), true},
            m_clock, {m_signer.publicKey()});
        QCOMPARE(m_lines,
                 FirstLines + NewerLines + QStringList{"请通过系统的软件包管理器升级到新版本。"});
        QVERIFY(QFile::exists(root.filePath("cache/thermbook/NewVer.txt")));
        QVERIFY(!server.requested().contains(Folder + "/Update"));
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
