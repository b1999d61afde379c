#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "app/frmLogin.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "tests/support/LoginAnswer.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

class TestStartup : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;
    SystemClock m_clock;

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
        bool stayedOpen = false;
        QString kept;
        QString selected;
        m_prompts.answerDialog<frmLogin>([&](frmLogin& d) {
            auto* box = Part<QLineEdit>(d, "txtPassword");
            box->setText(password);
            Part<QPushButton>(d, "cmdOK")->click();
            stayedOpen = d.isVisible();
            kept = box->text();
            selected = box->selectedText();
        });
        const std::optional<frmLogin::Access> access = login.ask();
        QCOMPARE(access.has_value(), accepted);
        QCOMPARE(stayedOpen, !accepted);
        if (accepted) {
            QCOMPARE(*access == frmLogin::Access::Factory, factory);
            QVERIFY(m_prompts.texts().isEmpty());
            return;
        }
        QCOMPARE(m_prompts.texts(), QStringList{QStringLiteral("密码错误，再试一次！")});
        QCOMPARE(m_prompts.asked().last().title, QStringLiteral("登录"));
        // The rejected text stays, fully selected, for the next try.
        QCOMPARE(kept, password);
        QCOMPARE(selected, password);
    }

    void loginMasksThePasswordAndShowsTheUser() {
        qputenv("USER", "engineer");
        frmLogin login(m_prompts);
        QCOMPARE(Part<QLineEdit>(login, "txtPassword")->echoMode(), QLineEdit::Password);
        QCOMPARE(Part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("engineer"));
        QCOMPARE(login.windowTitle(), QStringLiteral("登录"));

#ifndef Q_OS_WIN
        // Without the variables the account itself names the user.
        qunsetenv("USER");
        qunsetenv("LOGNAME");
        const passwd* account = getpwuid(geteuid());
        QVERIFY(account);
        QCOMPARE(Part<QLineEdit>(frmLogin(m_prompts), "txtUserName")->text(),
                 QString::fromLocal8Bit(account->pw_name));
#endif
    }

    void theLoginLeavesTheSplashVersionInSight() {
        QTemporaryDir locks;
        InstanceLock lock(locks.path());
        bool inSight = false;
        m_prompts.answerDialog<frmLogin>([&inSight](frmLogin& login) {
            const frmSplash* splash = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                splash = splash ? splash : qobject_cast<frmSplash*>(w);
            QVERIFY(splash);
            const QLabel* version = splash->lblVersion;
            const QRect text(version->mapToGlobal(QPoint(0, 0)), version->size());
            inSight =
                splash->frameGeometry().contains(text) && !login.frameGeometry().intersects(text);
            Part<QPushButton>(login, "cmdCancel")->click();
        });
        const auto cancelled = Startup::Main(m_prompts, m_clock, lock, locks.path());
        QVERIFY(!cancelled);
        QVERIFY(inSight);
    }

    void startUpShowsTheMainWindowAfterTheLogin() {
        QTemporaryDir locks;
        InstanceLock lock(locks.path());
        QTemporaryDir programFolder;
        answerLogin(m_prompts, QStringLiteral("vexil"));
        auto main = Startup::Main(m_prompts, m_clock, lock, programFolder.path());
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
        m_prompts.answerDialog<frmLogin>(
            [](frmLogin& login) { Part<QPushButton>(login, "cmdCancel")->click(); });
        auto main = Startup::Main(m_prompts, m_clock, lock, locks.path());
        QVERIFY(!main);
        QCOMPARE(topLevelMainWindows(), 0);
    }

    void secondCopyIsRefused() {
        QTemporaryDir locks;
        InstanceLock running(locks.path());
        QVERIFY(running.acquire());

        InstanceLock second(locks.path());
        answerLogin(m_prompts);
        auto main = Startup::Main(m_prompts, m_clock, second, locks.path());
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
