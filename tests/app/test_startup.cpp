#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "app/frmLogin.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "tests/support/LoginAnswer.h"
#include "tests/support/ScriptedPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

class TestStartup : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;
    SystemClock m_clock;

    // Types the password and presses OK once the login is running modally.
    static int topLevelMainWindows() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(w))
                ++n;
        return n;
    }

private slots:
    void init() {
        m_prompts.clear();
    }

    void loginPasswords_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("factory");
        QTest::newRow("empty") << QString() << true << false;
        QTest::newRow("factory word") << QStringLiteral("vexil") << true << true;
        QTest::newRow("factory word, other case") << QStringLiteral("VEXIL") << false << false;
        QTest::newRow("wrong") << QStringLiteral("secret") << false << false;
    }
    void loginPasswords() {
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        QFETCH(bool, factory);
        frmLogin login(m_prompts);
        login.show();
        login.txtPassword->setText(password);
        login.cmdOK_Click();
        QCOMPARE(login.OK, accepted);
        QCOMPARE(login.FactoryMode, factory);
        QCOMPARE(login.isVisible(), !accepted);
        if (accepted) {
            QVERIFY(m_prompts.asked().isEmpty());
            return;
        }
        QCOMPARE(m_prompts.asked().size(), 1);
        QCOMPARE(m_prompts.asked()[0].title, QStringLiteral("登录"));
        QCOMPARE(m_prompts.asked()[0].text, QStringLiteral("密码错误，再试一次！"));
        // The rejected text stays, fully selected, for the next try.
        QCOMPARE(login.txtPassword->text(), password);
        QCOMPARE(login.txtPassword->selectedText(), password);
    }

    void loginMasksThePasswordAndShowsTheUser() {
        qputenv("USER", "engineer");
        frmLogin login(m_prompts);
        QCOMPARE(login.txtPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(login.txtUserName->text(), QStringLiteral("engineer"));
        QCOMPARE(login.windowTitle(), QStringLiteral("登录"));

#ifndef Q_OS_WIN
        // Without the variables the account itself names the user.
        qunsetenv("USER");
        qunsetenv("LOGNAME");
        const passwd* account = getpwuid(geteuid());
        QVERIFY(account);
        QCOMPARE(frmLogin(m_prompts).txtUserName->text(), QString::fromLocal8Bit(account->pw_name));
#endif
    }

    void theLoginLeavesTheSplashVersionInSight() {
        QTemporaryDir locks;
        InstanceLock lock(locks.path());
        bool inSight = false;
        const auto cancelled =
            Startup::Main(m_prompts, m_clock, lock, locks.path(), [&inSight](frmLogin& login) {
                const frmSplash* splash = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    splash = splash ? splash : qobject_cast<frmSplash*>(w);
                QVERIFY(splash);
                const QLabel* version = splash->lblVersion;
                const QRect text(version->mapToGlobal(QPoint(0, 0)), version->size());
                inSight = splash->frameGeometry().contains(text) &&
                          !login.frameGeometry().intersects(text);
                QTimer::singleShot(0, &login, [&login] { login.cmdCancel->click(); });
            });
        QVERIFY(!cancelled);
        QVERIFY(inSight);
    }

    void startUpShowsTheMainWindowAfterTheLogin() {
        QTemporaryDir locks;
        InstanceLock lock(locks.path());
        QTemporaryDir programFolder;
        auto main = Startup::Main(m_prompts, m_clock, lock, programFolder.path(),
                                  answerLogin(QStringLiteral("vexil")));
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(main->actions().menu_factory->menuAction()->isVisible());
        const Module1 state = Module1::ForFolder(programFolder.path());
        QVERIFY(state.AppFolder.endsWith(QLatin1Char('/')));
        QCOMPARE(state.DatabasePath, state.AppFolder + QStringLiteral("数据库.mdb"));
        // The splash is gone once the main window shows.
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmSplash*>(w));
    }

    void cancelledLoginEndsWithoutAMainWindow() {
        QTemporaryDir locks;
        InstanceLock lock(locks.path());
        auto main = Startup::Main(m_prompts, m_clock, lock, locks.path(), [](frmLogin& login) {
            QTimer::singleShot(0, &login, [&login] { login.cmdCancel->click(); });
        });
        QVERIFY(!main);
        QCOMPARE(topLevelMainWindows(), 0);
    }

    void secondCopyIsRefused() {
        QTemporaryDir locks;
        InstanceLock running(locks.path());
        QVERIFY(running.acquire());

        InstanceLock second(locks.path());
        auto main = Startup::Main(m_prompts, m_clock, second, locks.path(), answerLogin({}));
        QVERIFY(!main);
        QCOMPARE(m_prompts.texts(),
                 QStringList{QStringLiteral("内存中已经有一个该程序的实例在运行！")});
        QCOMPARE(topLevelMainWindows(), 0);
    }

    void lockLeftByACrashedCopyDoesNotRefuse() {
        QTemporaryDir locks;
        InstanceLock probe(locks.path());
        // A lock file naming a process that no longer exists.
        QFile stale(probe.path());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("999999\nthermbook\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        InstanceLock next(locks.path());
        QVERIFY(next.acquire());
    }

    void standardButtonsSpeakChinese() {
        QVERIFY(Startup::LoadChineseTranslations(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("是(&Y)"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    }

    void brandingWithoutTheBitmapKeepsTheSplashPicture() {
        frmSplash splash;
        const QPixmap design(8, 8);
        splash.setPicture(design);
        Startup::ApplyBranding(splash);
        QCOMPARE(splash.Image1->pixmap().size(), QSize(8, 8));
        QCOMPARE(splash.lblVersion->text(), QStringLiteral("版本： 2008.4.3000"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
