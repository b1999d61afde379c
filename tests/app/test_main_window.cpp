#include "app/MainPaneLayout.h"
#include "app/MainPanes.h"
#include "app/frmMain.h"
#include "common/AppSettings.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "common/TwipsScale.h"
#include "device/UploadReadings.h"
#include "device/ui/DeviceController.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QProgressBar>
#include <QFrame>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    ScriptedPrompts m_prompts;
    SystemClock m_clock;
    Module1 m_state;

    static void forgetPlacement() {
        QSettings(QSettings::UserScope, QStringLiteral("thermbook"), QStringLiteral("thermbook"))
            .clear();
    }
    static int stored(const char* key) {
        return AppSettings::GetNumber(QStringLiteral("thermbook"), QStringLiteral("Settings"),
                                      QString::fromLatin1(key), -1);
    }

private slots:
    void init() {
        forgetPlacement();
        m_prompts.clear();
        m_state = Module1{};
    }

    void firstRunOpensAtTheDefaultPlacement() {
        frmMain w(m_state, m_prompts, m_clock);
        QCOMPARE(w.pos(), QPoint(Twips::ToPixels(1000), Twips::ToPixels(1000)));
        QCOMPARE(w.size(), QSize(Twips::ToPixels(6500), Twips::ToPixels(6500)));
    }

    void closingStoresThePlacementAndTheNextStartRestoresIt() {
        {
            frmMain w(m_state, m_prompts, m_clock);
            w.show();
            w.move(Twips::ToPixels(1500), Twips::ToPixels(1200));
            w.resize(Twips::ToPixels(9000), Twips::ToPixels(7000));
            w.close();
        }
        QVERIFY(qAbs(stored("MainWidth") - 9000) <= 20);
        QVERIFY(qAbs(stored("MainHeight") - 7000) <= 20);
        frmMain again(m_state, m_prompts, m_clock);
        QCOMPARE(again.size(), QSize(Twips::ToPixels(stored("MainWidth")),
                                     Twips::ToPixels(stored("MainHeight"))));
    }

    void closingWhileMinimizedKeepsThePreviousPlacement() {
        AppSettings::SaveSetting(QStringLiteral("thermbook"), QStringLiteral("Settings"),
                                 QStringLiteral("MainWidth"), QStringLiteral("8000"));
        frmMain w(m_state, m_prompts, m_clock);
        w.show();
        w.resize(Twips::ToPixels(5000), w.height());
        w.showMinimized();
        QTRY_VERIFY(w.isMinimized());
        w.close();
        QCOMPARE(stored("MainWidth"), 8000);
    }

    void unreadablePlacementFallsBackToDefaults() {
        AppSettings::SaveSetting(QStringLiteral("thermbook"), QStringLiteral("Settings"),
                                 QStringLiteral("MainLeft"), QStringLiteral("garbage"));
        frmMain w(m_state, m_prompts, m_clock);
        QCOMPARE(w.pos().x(), Twips::ToPixels(1000));
    }

    void narrowingBelowTheMinimumSnapsBack() {
        frmMain w(m_state, m_prompts, m_clock);
        w.show();
        w.resize(Twips::ToPixels(1000), w.height());
        QTRY_COMPARE(w.width(), Twips::ToPixels(3000));
    }

    void splittersStayWithinTheirLimitsAndRecoverWhenTheWindowGrows() {
        frmMain w(m_state, m_prompts, m_clock);
        w.show();
        w.resize(Twips::ToPixels(9000), Twips::ToPixels(8000));
        w.panes().SizeControls(200, 3000);
        QVERIFY(qAbs(w.panes().splitterLeft() - 1500) <= 20);
        w.panes().SizeControls(4000, 3000);
        QVERIFY(qAbs(w.panes().splitterLeft() - 4000) <= 20);
        w.resize(Twips::ToPixels(3000), w.height());
        QTRY_VERIFY(w.panes().splitterLeft() <= 1520);
        w.resize(Twips::ToPixels(9000), w.height());
        QTRY_VERIFY(qAbs(w.panes().splitterLeft() - 4000) <= 20);
        // The right pane starts just right of the splitter and runs to the window's edge.
        QVERIFY(qAbs(Twips::FromPixels(w.panes().queryList()->parentWidget()->x()) - 4040) <= 20);
    }

    void factoryMenuFollowsFactoryMode_data() {
        QTest::addColumn<bool>("factory");
        QTest::newRow("ordinary login") << false;
        QTest::newRow("factory login") << true;
    }
    void factoryMenuFollowsFactoryMode() {
        QFETCH(bool, factory);
        m_state.FactoryMode = factory;
        frmMain w(m_state, m_prompts, m_clock);
        QCOMPARE(w.actions().menu_factory->menuAction()->isVisible(), factory);
        QCOMPARE(Part<QWidget>(w, "Command1")->isVisibleTo(&w), factory);
    }

    void startsNotLinkedWithTheDeviceItemsOff() {
        frmMain w(m_state, m_prompts, m_clock);
        QCOMPARE(Part<QLabel>(w, "sbPanel1")->text(), QStringLiteral("没有与设备联机。"));
        QVERIFY(!w.actions().menu_Connect->isChecked());
        QVERIFY(w.actions().menu_Connect->isEnabled());
        for (const char* name : {"Menu_Info", "menu_Upload", "menu_format", "menu_Set_Sn",
                                 "Menu_Err_set", "Menu_PowerDelayTime", "menu_PowerOff"})
            QVERIFY2(!w.action(QString::fromLatin1(name))->isEnabled(), name);
        // The factory items that need no link stay usable.
        QVERIFY(w.action(QStringLiteral("menu_SetAll0"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("Menu_UpDT"))->isEnabled());
    }

    void everyMenuItemExistsWithItsCaptionAndVisibility_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("visible");
        const auto row = [](const char* name, const char* caption, bool visible = true) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption) << visible;
        };
        row("mnuFileClose", "退出(&E)");
        row("mnuFileOpen", "打开(&O)...", false);
        row("MenuDrv", "检查驱动程序", false);
        row("menu_Connect", "联机(&C)");
        row("Menu_Info", "读取信息(&I)");
        row("menu_Upload", "设备数据获取(&U)");
        row("menu_format", "设备格式化(&F)");
        row("Menu_PowerDelayTime", "设置自动待机时间");
        row("menu_PowerOff", "设备关机(&E)");
        row("menu_SetAll0", "清空片内所有字节");
        row("menu_Set_Sn", "设置序列号(&S)");
        row("Menu_UpDT", "设置数据上传时间(&T)");
        row("Menu_Err_set", "自动标定误差(&E)");
        row("Menu_AutoOperate", "自动工厂设置：详情、清片、设序号、设上传时间、标误差、详情");
        row("menuSave2Mdb", "将表中数据保存到数据库");
        row("menu_DefByMyself", "自定义查询");
        row("Menu_orderDateTime", "数据上传时间列表");
        row("Menu_order编号", "传感器编号列表");
        row("menu_OrderByIdTime", "同一传感器，各时间温度值");
        row("menu_OrderByTimeId", "同一时间，各传感器温度值");
        row("menu_ClearMdb", "数据管理");
        row("menu_2Txt", "输出到文本文件");
        row("menu_2XLS", "输出到Excell文件");
        row("MenuGroupDEF", "分组定义");
        row("MenuGroupSel", "分组查询", false);
        row("MenuGroupTables", "分组报表");
        row("MenuDraw", "分组曲线图形(&D)");
        row("menu_VerInfo", "版本信息(&I)");
        row("menu_Update", "在线升级(&U)");
        row("menu_History", "历史升级(&H)");
        row("Menu_web", "作者网站(&W)");
        row("mnuHelpContents", "目录(&C)");
        row("mnuHelpSearchForHelpOn", "搜索帮助主题(&S)...");
        row("mnuHelpAbout", "关于(&A) ");
    }
    void everyMenuItemExistsWithItsCaptionAndVisibility() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, visible);
        frmMain w(m_state, m_prompts, m_clock);
        QAction* a = w.action(name);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->isVisible(), visible);
    }

    void topMenusInOrder() {
        frmMain w(m_state, m_prompts, m_clock);
        QStringList captions;
        for (QAction* a : w.menuBar()->actions())
            if (a->isVisible())
                captions << a->text();
        QCOMPARE(captions, (QStringList{"文件(&F)", "手持测温记录仪(Q)", "数据(&M)", "图表(&I)",
                                        "升级信息(&U)", "帮助(&H)"}));
    }

    void versionAndHelpMessages() {
        frmMain w(m_state, m_prompts, m_clock);
        w.action(QStringLiteral("menu_VerInfo"))->trigger();
        w.action(QStringLiteral("mnuHelpSearchForHelpOn"))->trigger();
        QCOMPARE(m_prompts.asked().size(), 2);
        QCOMPARE(m_prompts.asked()[0].title, QStringLiteral("软件版本号："));
        QCOMPARE(m_prompts.asked()[0].text, QStringLiteral("版本：【 2008-4-3000】\r\n\r\n"));
        QCOMPARE(m_prompts.asked()[1].text,
                 QStringLiteral("无法显示帮助目录，该工程没有相关联的帮助。"));
    }

    void paneTitlesAndWaitingPanel() {
        frmMain w(m_state, m_prompts, m_clock);
        QStringList titles;
        for (const QLabel* title : w.findChildren<QLabel*>(QStringLiteral("lblTitle")))
            titles << title->text();
        titles.sort();
        QCOMPARE(titles, (QStringList{QStringLiteral(" 当前设备信息:"),
                                      QStringLiteral(" 当前设备内数据:"),
                                      QStringLiteral(" 数据查询列表:")}));
        QCOMPARE(Part<QLabel>(w, "Label1")->text(), QStringLiteral("请稍等，数据正在传输中......"));
        QVERIFY(!Part<QFrame>(w, "PicWaiting")->isVisibleTo(&w));
    }

    void waitingLabelBlinksRedAndBlueOnlyWhileShown() {
        frmMain w(m_state, m_prompts, m_clock);
        w.show();
        const QColor before = Part<QLabel>(w, "Label1")->palette().color(QPalette::WindowText);
        w.Timer1_Timer();
        QCOMPARE(Part<QLabel>(w, "Label1")->palette().color(QPalette::WindowText), before);
        Part<QFrame>(w, "PicWaiting")->show();
        w.Timer1_Timer();
        QCOMPARE(Part<QLabel>(w, "Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        w.Timer1_Timer();
        QCOMPARE(Part<QLabel>(w, "Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        w.Timer1_Timer();
        QCOMPARE(Part<QLabel>(w, "Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void inPlaceEditorWritesIntoTheClickedRow() {
        frmMain w(m_state, m_prompts, m_clock);
        w.show();
        w.device().uploadReadings().setReadings(QStringList(20, QStringLiteral("21.5")));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = Part<QTreeView>(w, "ListView2");
        auto* editor = Part<QLineEdit>(w, "Text1");
        const QModelIndex row7 = list->model()->index(6, 1);
        list->scrollTo(row7);
        const QRect r = list->visualRect(row7);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTRY_VERIFY(editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("21.5"));
        QCOMPARE(editor->geometry().top(), r.top());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("19'9"));
        QCOMPARE(Cell(list, 6, 1), QStringLiteral("19'9"));
        QCOMPARE(Cell(list, 5, 1), QStringLiteral("21.5"));
    }
};

class TestPaneLayout : public QObject {
    Q_OBJECT

private slots:
    void verticalSplitterKeepsItsMargins_data() {
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("expected");
        QTest::newRow("too far left") << 200 << 1500;
        QTest::newRow("inside") << 3000 << 3000;
        QTest::newRow("too far right") << 9900 << 10000 - 1500;
    }
    void verticalSplitterKeepsItsMargins() {
        QFETCH(int, wanted);
        QFETCH(int, expected);
        const MainPaneLayout l = MainPaneLayout::compute(QSize(10000, 6000), wanted, 3000);
        QCOMPARE(l.splitterLeft, expected);
        QCOMPARE(l.upperLeft.width(), expected);
        QCOMPARE(l.right.left(), expected + 40);
        QCOMPARE(l.right.right() + 1, 10000);
    }

    void dragLimits() {
        QCOMPARE(MainPaneLayout::clampVerticalDrag(100, 8000), 500);
        QCOMPARE(MainPaneLayout::clampVerticalDrag(7900, 8000), 7500);
        QCOMPARE(MainPaneLayout::clampHorizontalDrag(1000, 8000), 2500);
        QCOMPARE(MainPaneLayout::clampHorizontalDrag(7000, 8000), 5500);
    }

    void paneSizesNeverGoNegative() {
        const MainPaneLayout l = MainPaneLayout::compute(QSize(2000, 500), 1800, 3000);
        QVERIFY(l.lowerLeft.height() >= 0);
        QVERIFY(l.right.width() >= 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int status = 0;
    {
        TestMainWindow t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestPaneLayout t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "test_main_window.moc"
