#include "app/InstanceLock.h"
#include "app/MainPanes.h"
#include "app/Startup.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/ui/FrmShowRiLI.h"
#include "common/ui/PlaceholderTreeView.h"
#include "device/ui/DeviceController.h"
#include "store/ui/StoreController.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/LoginAnswer.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString Advice =
    QStringLiteral("数据库中还没有数据：请先从“手持测温记录仪”菜单联机并获取设备数据。");

} // namespace

// The first start on an empty database: the query pane says what to do first, drawn over the
// empty list and gone once a view is shown.
class TestFirstStart : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;
    SystemClock m_clock;
    QTemporaryDir m_locks;

    std::unique_ptr<frmMain> start(const QString& programFolder) {
        InstanceLock lock(m_locks.path());
        answerLogin(m_prompts);
        return Startup::Main(m_prompts, m_clock, lock, programFolder);
    }

    static QImage paneImage(frmMain& main) {
        QWidget* viewport = main.panes().queryList()->viewport();
        viewport->repaint();
        return viewport->grab().toImage();
    }

private slots:
    void emptyDatabaseGetsAdviceDrawnOverTheQueryPane() {
        StoreFixture db; // the program's folder, without a database yet
        auto main = start(db.dir());
        QVERIFY(main);
        QVERIFY(QFileInfo(db.dbPath()).isFile());
        auto* list = qobject_cast<PlaceholderTreeView*>(main->panes().queryList());
        QVERIFY(list);
        QCOMPARE(list->placeholderText(), Advice);
        QVERIFY(!list->model());

        const QImage advised = paneImage(*main);
        list->setPlaceholderText({});
        const QImage plain = paneImage(*main);
        QVERIFY(advised != plain);

        // A view that finds nothing is shown as it is: its headers, and no advice.
        list->setPlaceholderText(Advice);
        main->store().Menu_orderDateTime_Click();
        QVERIFY(list->model());
        QCOMPARE(list->model()->rowCount(), 0);
        QVERIFY(list->model()->headerData(0, Qt::Horizontal).toString() != Advice);
        const QImage viewed = paneImage(*main);
        list->setPlaceholderText({});
        QCOMPARE(viewed, paneImage(*main));
    }

    // The advice goes once an upload is saved, before any view is asked for.
    void aSavedUploadEndsTheAdvice() {
        StoreFixture db;
        auto main = start(db.dir());
        QVERIFY(main);
        auto* list = qobject_cast<PlaceholderTreeView*>(main->panes().queryList());
        QCOMPARE(list->placeholderText(), Advice);
        main->device().ListView2Ini0();
        m_prompts.answer(Prompts::Answer::Yes);
        m_prompts.answer(Prompts::Answer::Ok);
        m_prompts.answerDialog<FrmShowRiLI>(
            [](FrmShowRiLI& d) { Part<QPushButton>(d, "CmdOK")->click(); });
        main->menuSave2Mdb_Click();
        QVERIFY(!main->store().GetUpdownTimeList().isEmpty());
        QVERIFY(list->placeholderText().isEmpty());
        QVERIFY(!list->model());
    }

    void storedReadingsGetNoAdvice() {
        StoreFixture db;
        db.addReadings({QStringLiteral("2008-04-30 14:25:03|1|23.5")});
        auto main = start(db.dir());
        QVERIFY(main);
        auto* list = qobject_cast<PlaceholderTreeView*>(main->panes().queryList());
        QVERIFY(list->placeholderText().isEmpty());
    }

    void theAboutBoxSaysWhereTheDataLives() {
        StoreFixture db;
        auto main = start(db.dir());
        QVERIFY(main);
        QString told;
        m_prompts.answerDialog<frmAbout>([&told](frmAbout& about) {
            told = about.lblDataPlace->text();
            about.cmdOK->click();
        });
        main->action(QStringLiteral("mnuHelpAbout"))->trigger();
        QVERIFY2(told.contains(QDir::toNativeSeparators(db.dbPath())), qPrintable(told));
    }
};

QTEST_MAIN(TestFirstStart)
#include "test_first_start.moc"
