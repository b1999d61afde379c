// The main window's device commands, with the boxes answered from a script. Most run on a
// scripted line and a clock the test steps; two walk the real serial code against the
// recorder simulator.
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "device/UploadReadings.h"
#include "device/ui/DeviceController.h"
#include "device/ui/FrmAutoOpration.h"
#include "device/ui/Frm_PowerDelayTime.h"
#include "link/RegWR.h"
#include "tests/link/fakes/FakeTransport.h"
#include "tests/link/fakes/RecorderReplies.h"
#include "tests/link/fakes/StepClock.h"
#include "tests/link/sim/SimRun.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

constexpr double Speed = 50.0;
const QString Checklist = QStringLiteral("请确认先对“电子测温记录仪”进行了以下操作：");
constexpr int ReadInfo = 243;
constexpr int ReadData = 246;
constexpr int WakeUp = 255;

QString cell(const QWidget& w, const char* list, int row, int column) {
    return Cell(Part<QTreeView>(w, list), row, column);
}

quint8 port(frmMain& w) {
    return w.device().link().state().ComPortNo;
}

// Gives a menu command on a window whose clock runs on real time, and waits for its end.
void runOnTheSimulator(frmMain& w, QAction* item) {
    item->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!w.device().linkBusy(), 30000);
}

} // namespace

// A main window whose link is a scripted line answering like a recorder.
struct ScriptedWindow {
    StepClock clock;
    FakeTransport* line = nullptr;
    frmMain w;

    ScriptedWindow(const Module1& state, Prompts& prompts)
        : w(state, prompts, clock, {[this](Clock&) {
                                        auto transport = std::make_unique<FakeTransport>(clock);
                                        line = transport.get();
                                        return transport;
                                    },
                                    {}}) {
        line->answer(ReadInfo, RecorderReplies::Info);
        line->answer(ReadData, RecorderReplies::DataBlock());
        for (int code : {244, 245, 247, 248, 249, 252, 253})
            line->answer(code, RecorderReplies::Ack);
    }

    // Gives a menu command and lets the clock run until everything it started has ended.
    void run(QAction* item) {
        item->trigger();
        QVERIFY(clock.runTimers());
    }

    // Connects through the menu, answering the checklist with OK.
    void connectThroughTheMenu(ScriptedPrompts& prompts) {
        prompts.answer(Prompts::Answer::Ok);
        run(w.actions().menu_Connect);
    }
};

class TestMainWindowDevice : public QObject {
    Q_OBJECT

private:
    ScriptedPrompts m_prompts;
    QTemporaryDir m_dir;
    Module1 m_state;

    QString stateFile() const { return m_dir.filePath(QStringLiteral("recorder.state")); }

    // Starts the simulator with its state in this test's folder and names its terminal
    // as the port to search.
    std::unique_ptr<SimRun> startSim(QStringList options = {}) {
        QFile::remove(stateFile());
        options << QStringLiteral("--state") << stateFile();
        auto sim = std::make_unique<SimRun>(options);
        qputenv("THERMBOOK_SERIAL_PORTS", sim->path().toLocal8Bit());
        return sim;
    }

private slots:
    void init() {
        m_prompts.clear();
        m_state.FactoryMode = true;
        // The scripted line stands behind whatever port is named.
        qputenv("THERMBOOK_SERIAL_PORTS", "/dev/thermbook-scripted");
    }

    void connectFindsTheRecorderAndShowsItsInformation() {
        auto sim = startSim({QStringLiteral("--serial"), QStringLiteral("0123456789AB"),
                             QStringLiteral("--poweroff"), QStringLiteral("30")});
        ScaledClock clock(Speed, QDateTime(QDate(2008, 4, 30), QTime(12, 0, 0)));
        frmMain w(m_state, m_prompts, clock);
        w.show();
        m_prompts.answer(Prompts::Answer::Ok);
        runOnTheSimulator(w, w.actions().menu_Connect);

        QCOMPARE(m_prompts.asked().size(), 2);
        QCOMPARE(m_prompts.asked()[0].title, Checklist);
        QCOMPARE(m_prompts.asked()[0].buttons, Prompts::Buttons::OkCancel);
        QVERIFY(m_prompts.asked()[0].text.startsWith(
            QStringLiteral("(如果设备已经通过USB口与本计算机连接")));
        QVERIFY(m_prompts.asked()[0].text.endsWith(QStringLiteral("字样；\r\n")));
        QCOMPARE(m_prompts.asked()[1].title, QStringLiteral("检测到："));
        QCOMPARE(m_prompts.asked()[1].text, QStringLiteral("设备联机成功！"));
        QVERIFY(port(w) != 0);
        QCOMPARE(Part<QLabel>(w, "sbPanel1")->text(), QStringLiteral("已与设备联机。"));
        QVERIFY(w.actions().menu_Connect->isChecked());
        QVERIFY(w.actions().Menu_Info->isEnabled());
        QVERIFY(w.actions().menu_PowerOff->isEnabled());
        QVERIFY(!Part<QFrame>(w, "PicWaiting")->isVisible());

        QCOMPARE(Part<QTreeView>(w, "ListView1")->model()->columnCount(), 2);
        QCOMPARE(Rows(Part<QTreeView>(w, "ListView1")), 7);
        QCOMPARE(cell(w, "ListView1", 1, 0), QStringLiteral("设备序列号："));
        QCOMPARE(cell(w, "ListView1", 1, 1), QStringLiteral("0123456789AB"));
        QCOMPARE(cell(w, "ListView1", 5, 1), QStringLiteral("30"));
    }

    void aSecondConnectWhileSearchingIsIgnored() {
        ScriptedWindow s(m_state, m_prompts);
        m_prompts.answer(Prompts::Answer::Ok);
        m_prompts.answer(Prompts::Answer::Ok);
        // Clicked again while the search is probing the port.
        s.line->duringExchange([&s] { s.w.actions().menu_Connect->trigger(); });
        s.run(s.w.actions().menu_Connect);
        QCOMPARE(m_prompts.texts().size(), 2);
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("设备联机成功！"));
        QCOMPARE(s.line->refused(), 0);
        QVERIFY(s.w.actions().menu_Connect->isChecked());
    }

    void cancellingTheChecklistProbesNothing() {
        ScriptedWindow s(m_state, m_prompts);
        m_prompts.answer(Prompts::Answer::Cancel);
        s.run(s.w.actions().menu_Connect);
        QCOMPARE(m_prompts.asked().size(), 1);
        QVERIFY(s.line->calls().isEmpty());
        QVERIFY(!s.w.actions().menu_Connect->isChecked());
        QCOMPARE(Part<QLabel>(s.w, "sbPanel1")->text(), QStringLiteral("没有与设备联机。"));

        // Once linked, a cancelled connect leaves the link and its check mark alone.
        s.connectThroughTheMenu(m_prompts);
        const quint8 before = port(s.w);
        QVERIFY(s.w.actions().menu_Connect->isChecked());
        s.run(s.w.actions().menu_Connect);
        QVERIFY(s.w.actions().menu_Connect->isChecked());
        QCOMPARE(port(s.w), before);
    }

    void aSilentLineMeansNoRecorder() {
        ScriptedWindow s(m_state, m_prompts);
        s.line->answer(ReadInfo, QByteArray());
        s.w.show();
        s.connectThroughTheMenu(m_prompts);
        const QStringList texts = m_prompts.texts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[1], QStringLiteral("没有检测到有效的设备。"));
        QCOMPARE(m_prompts.asked()[1].title, QStringLiteral("提示："));
        QCOMPARE(texts[2], QStringLiteral("设备联机失败！"));
        QCOMPARE(m_prompts.asked()[2].title, QStringLiteral("检测到："));
        // Each port tried gets its wake-up and its question, and nothing else.
        QCOMPARE(s.line->codes().mid(0, 2), (QList<int>{WakeUp, ReadInfo}));
        QVERIFY(!s.line->codes().contains(ReadData));
        QCOMPARE(port(s.w), quint8(0));
        QCOMPARE(Part<QLabel>(s.w, "sbPanel1")->text(), QStringLiteral("与设备联机失败。"));
        QVERIFY(!s.w.actions().menu_Connect->isChecked());
        QVERIFY(!s.w.actions().menu_Upload->isEnabled());
    }

    void driverCheckReportsWhatItFinds() {
        ScriptedWindow s(m_state, m_prompts);
        s.w.device().MenuDrv_Click();
        QCOMPARE(m_prompts.asked().last().title, QStringLiteral("检测到："));
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("设备USB接口驱动程序已经安装。"));

        qunsetenv("THERMBOOK_SERIAL_PORTS");
        if (!RegWR::DriverInstalled()) {
            const QString missing =
                QStringLiteral("设备USB接口驱动程序尚未安装，请使用设备随机安装光盘进行安装");
            s.w.device().MenuDrv_Click();
            QCOMPARE(m_prompts.texts().last(), missing);
            // Without the driver, connecting stops before the checklist.
            m_prompts.clear();
            s.run(s.w.actions().menu_Connect);
            QCOMPARE(m_prompts.texts(), QStringList{missing});
            QVERIFY(!s.w.actions().menu_Connect->isChecked());
        }
    }

    void commandsNeedAConnection() {
        ScriptedWindow s(m_state, m_prompts);
        s.w.device().Menu_Info_Click();
        s.w.device().menu_Upload_Click();
        QCOMPARE(m_prompts.texts(), (QStringList{QStringLiteral("请先与设备联机！"),
                                                 QStringLiteral("请先与设备联机！")}));
        QCOMPARE(m_prompts.asked()[0].title, QStringLiteral("提示："));
        QVERIFY(s.line->calls().isEmpty());
        QCOMPARE(Rows(Part<QTreeView>(s.w, "ListView2")), 0);
    }

    void uploadShowsTheReadingsAndTheNewUploadTime() {
        QFile csv(m_dir.filePath(QStringLiteral("readings.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Text));
        csv.write("1,23.5\n2,-5.3\n3,0.0\n998,130.9\n");
        csv.close();
        auto sim = startSim({QStringLiteral("--readings"), csv.fileName()});
        ScaledClock clock(Speed, QDateTime(QDate(2008, 4, 30), QTime(10, 0, 0)));
        frmMain w(m_state, m_prompts, clock);
        w.show();
        m_prompts.answer(Prompts::Answer::Ok);
        runOnTheSimulator(w, w.actions().menu_Connect);
        QVERIFY(port(w) != 0);

        m_prompts.clear();
        runOnTheSimulator(w, w.actions().menu_Upload);
        QVERIFY(!Part<QFrame>(w, "PicWaiting")->isVisible());
        QVERIFY(Part<QLabel>(w, "Label1")->text().isEmpty());

        auto* list = Part<QTreeView>(w, "ListView2");
        QCOMPARE(list->model()->columnCount(), 2);
        QCOMPARE(Header(list, 0), QStringLiteral("数据编号"));
        QCOMPARE(Header(list, 1), QStringLiteral("温度值"));
        QCOMPARE(Rows(list), 999);
        QCOMPARE(Cell(list, 0, 0), QStringLiteral("1"));
        QCOMPARE(Cell(list, 0, 1), QStringLiteral("23.5"));
        QCOMPARE(Cell(list, 1, 1), QStringLiteral("-5.3"));
        QCOMPARE(Cell(list, 2, 1), QStringLiteral("0"));
        QCOMPARE(Cell(list, 997, 1), QStringLiteral("130.9"));
        QCOMPARE(Cell(list, 998, 0), QStringLiteral("999"));

        // The recorder noted the upload; the list shows it from a fresh reading.
        QVERIFY(cell(w, "ListView1", 6, 1).startsWith(QStringLiteral("08年04月30日10时")));
        QCOMPARE(SimRun::stateValue(stateFile(), QStringLiteral("upload-time")).section(' ', 0, 2),
                 QStringLiteral("8 4 30"));
    }

    void aFailedUploadSaysSoAndOffersNothing_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("recorder silent") << QByteArray();
        QTest::newRow("no marker") << QByteArray(2003, '\x11');
        QTest::newRow("pulled out mid-block") << RecorderReplies::DataBlock().left(1200);
        QTest::newRow("last byte missing") << RecorderReplies::DataBlock().left(2001);
    }
    void aFailedUploadSaysSoAndOffersNothing() {
        QFETCH(QByteArray, block);
        ScriptedWindow s(m_state, m_prompts);
        s.connectThroughTheMenu(m_prompts);
        m_prompts.answer(Prompts::Answer::No); // not saved
        s.run(s.w.actions().menu_Upload);
        QCOMPARE(Rows(Part<QTreeView>(s.w, "ListView2")), 999);

        s.line->answer(ReadData, block);
        const qsizetype sent = s.line->calls().size();
        m_prompts.clear();
        s.run(s.w.actions().menu_Upload);
        QCOMPARE(m_prompts.asked().size(), 1);
        QCOMPARE(m_prompts.asked()[0].title, QStringLiteral("提示："));
        QCOMPARE(m_prompts.asked()[0].text,
                 QStringLiteral("没有收到完整的设备数据，本次数据获取失败。\r\n"
                                "请确认设备已开机并与计算机连接，然后重新获取数据。"));
        QCOMPARE(m_prompts.asked()[0].buttons, Prompts::Buttons::Ok);
        // Neither the previous readings nor a part of these are shown or offered.
        QCOMPARE(Rows(Part<QTreeView>(s.w, "ListView2")), 0);
        QCOMPARE(s.line->codes().mid(sent), (QList<int>{ReadData, 247, ReadInfo}));
    }

    // The percentage follows the block's bytes at each tick of the window's timer; commands
    // refused while the block arrives leave the screen alone; once the block is in, the
    // display holds at 100 % while the upload is stamped.
    void anUploadKeepsTheScreenToItself() {
        ScriptedWindow s(m_state, m_prompts);
        s.w.show();
        s.connectThroughTheMenu(m_prompts);
        auto* panel = Part<QFrame>(s.w, "PicWaiting");
        auto* label = Part<QLabel>(s.w, "Label1");
        auto* bar = Part<QProgressBar>(s.w, "ProgressBar1");
        const MainActions& menus = s.w.actions();
        const auto tick = [&](int bytes) {
            emit s.line->receivedSoFar(bytes);
            s.w.Timer1_Timer();
            return label->text() + QLatin1Char('|') + QString::number(bar->value());
        };
        QStringList shown;
        bool unchanged = false;
        s.line->duringExchange([&] {
            if (s.line->codes().last() == 247)
                shown << tick(0);
            if (s.line->codes().last() != ReadData)
                return;
            // A live count of 2040 would be 102 %: the bar keeps its value.
            shown << tick(0) << tick(1000) << tick(2040);
            const QString caption = label->text();
            for (QAction* item :
                 {menus.Menu_Info, menus.menu_Upload, menus.menu_format, menus.menu_PowerOff})
                item->trigger();
            unchanged = !panel->isHidden() && label->text() == caption &&
                        Rows(Part<QTreeView>(s.w, "ListView1")) == 7 &&
                        menus.menu_Connect->isChecked() && menus.Menu_Info->isEnabled();
        });
        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::No); // not saved
        s.run(s.w.actions().menu_Upload);
        QVERIFY(unchanged);
        QCOMPARE(shown, (QStringList{"数据正在传输中...0%|0", "数据正在传输中...50%|50",
                                     "数据正在传输中...50%|50", "数据正在传输中...100%|100"}));
        QCOMPARE(m_prompts.texts(),
                 QStringList{QStringLiteral("是否被将设备数据保存到计算机数据库中？")});
        QCOMPARE(s.line->refused(), 0);
        QCOMPARE(s.line->codes().mid(3), (QList<int>{ReadData, 247, ReadInfo}));
    }

    void clickingARowNeverMovesTheListSideways() {
        ScriptedWindow s(m_state, m_prompts);
        s.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.w));
        s.connectThroughTheMenu(m_prompts);
        m_prompts.answer(Prompts::Answer::No);
        s.run(s.w.actions().menu_Upload);
        auto* list = Part<QTreeView>(s.w, "ListView2");
        QScrollBar* sideways = list->horizontalScrollBar();
        for (const auto& [button, offset] : {std::pair{Qt::LeftButton, 0}, {Qt::RightButton, 20}}) {
            sideways->setValue(offset);
            // The temperature cell, far wider than the list.
            const QRect cell = list->visualRect(list->model()->index(3, 1));
            QTest::mouseClick(list->viewport(), button, {}, cell.topLeft() + QPoint(5, 5));
            // A view scrolls to a pressed cell once a double click can no longer follow;
            // there is no event to wait for when it rightly does not.
            QTest::qWait(QApplication::doubleClickInterval() + 300);
            QCOMPARE(sideways->value(), offset);
        }
        QVERIFY(Part<QLineEdit>(s.w, "Text1")->isVisible());
    }

    void refillingTheListClosesItsEditorWithoutWriting() {
        ScriptedWindow s(m_state, m_prompts);
        s.w.show();
        s.connectThroughTheMenu(m_prompts);
        auto* list = Part<QTreeView>(s.w, "ListView2");
        auto* editor = Part<QLineEdit>(s.w, "Text1");
        QByteArray next = RecorderReplies::DataBlock();
        next[3 + 3] = char(125); // reading 4 becomes 25.0
        for (const QByteArray& block : {next, QByteArray()}) {
            m_prompts.answer(Prompts::Answer::No);
            s.run(s.w.actions().menu_Upload);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(3, 0)).center());
            QVERIFY(editor->isVisible());
            QTest::keyClicks(editor, QStringLiteral("7"));
            QCOMPARE(Cell(list, 3, 1), QStringLiteral("207"));

            s.line->answer(ReadData, block);
            m_prompts.answer(Prompts::Answer::No);
            s.run(s.w.actions().menu_Upload);
            QVERIFY(editor->isHidden());
            // Keys that still reach the closed editor write nowhere.
            QTest::keyClicks(editor, QStringLiteral("9"));
            if (!block.isNull())
                QCOMPARE(Cell(list, 3, 1), QStringLiteral("25"));
            s.line->answer(ReadData, RecorderReplies::DataBlock());
        }
        QCOMPARE(Rows(list), 0);

        // However the readings are replaced, the editor goes with them.
        s.w.device().uploadReadings().setReadings({QStringLiteral("21.5")});
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QVERIFY(editor->isVisible());
        s.w.device().uploadReadings().clear();
        QVERIFY(editor->isHidden());
    }

    void formatAskedNoSendsNothing() {
        ScriptedWindow s(m_state, m_prompts);
        s.connectThroughTheMenu(m_prompts);
        const int sent = static_cast<int>(s.line->calls().size());
        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::No);
        s.run(s.w.actions().menu_format);
        QCOMPARE(m_prompts.asked().size(), 1);
        QCOMPARE(m_prompts.asked()[0].title, QStringLiteral("特别提示："));
        QCOMPARE(m_prompts.asked()[0].text,
                 QStringLiteral("设备内的数据将被清空，继续否？\r\n\r\n"
                                "（如果设备内的有用数据没有被复制，请先将其复制的计算机）"));
        QCOMPARE(s.line->calls().size(), sent);
    }

    void formatClearsTheRecorderAfterItsWait() {
        ScriptedWindow s(m_state, m_prompts);
        s.w.show();
        s.connectThroughTheMenu(m_prompts);
        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::Yes);
        auto* bar = Part<QProgressBar>(s.w, "ProgressBar1");
        const QString caption = Part<QLabel>(s.w, "Label1")->text();
        const int maximum = bar->maximum();
        QList<std::pair<qint64, int>> steps; // (ms after the start, bar value)
        const qint64 start = s.clock.elapsedMs();
        connect(bar, &QProgressBar::valueChanged, this, [&](int v) {
            steps.append({s.clock.elapsedMs() - start, v});
        });
        s.w.actions().menu_format->trigger();
        // Halfway through the erasing the recorder is left alone.
        s.clock.advance(30000);
        QVERIFY(Part<QFrame>(s.w, "PicWaiting")->isVisible());
        s.w.actions().Menu_Info->trigger();
        QCOMPARE(s.line->codes().mid(3), QList<int>{245});
        QVERIFY(s.clock.runTimers());

        // The four-byte answer gets its second of grace; then one step a second up to 60.
        using Step = std::pair<qint64, int>;
        QCOMPARE(steps.mid(0, 2), (QList<Step>{{0, 1}, {1000, 2}}));
        QCOMPARE(steps[59], (Step{59000, 60}));
        QCOMPARE(s.line->calls().last().atMs - start, 60000);
        QCOMPARE(s.line->codes().mid(3), (QList<int>{245, ReadInfo}));
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("清空数据的命令已被设备执行！"));
        QCOMPARE(m_prompts.asked().last().title, QStringLiteral("thermbook"));
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(Part<QLabel>(s.w, "Label1")->text(), caption);
        QVERIFY(!Part<QFrame>(s.w, "PicWaiting")->isVisible());
    }

    void formatWithoutAnAnswerDoesNotClaimSuccess() {
        ScriptedWindow s(m_state, m_prompts);
        s.connectThroughTheMenu(m_prompts);
        s.line->answer(245, QByteArray());
        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::Yes);
        s.run(s.w.actions().menu_format);
        QVERIFY(!m_prompts.texts().contains(QStringLiteral("清空数据的命令已被设备执行！")));
        QCOMPARE(m_prompts.asked().last().title, QStringLiteral("提示："));
    }

    void powerOffLeavesThePortForTheFactoryCommands() {
        ScriptedWindow s(m_state, m_prompts);
        s.connectThroughTheMenu(m_prompts);
        const quint8 before = port(s.w);
        s.run(s.w.actions().menu_PowerOff);
        QVERIFY(!s.w.actions().menu_Connect->isChecked());
        QVERIFY(!s.w.actions().Menu_Info->isEnabled());
        QVERIFY(!s.w.actions().menu_Set_Sn->isEnabled());
        QCOMPARE(port(s.w), before);
        QCOMPARE(Part<QLabel>(s.w, "sbPanel1")->text(), QStringLiteral("已与设备联机。"));
        // The factory items stay usable and still reach the recorder.
        s.run(s.w.actions().Menu_UpDT);
        QCOMPARE(s.line->codes().mid(3), (QList<int>{248, 247}));
    }

    void powerOffTimeDialogSendsAndShowsTheNewTime() {
        ScriptedWindow s(m_state, m_prompts);
        s.connectThroughTheMenu(m_prompts);
        QString started;
        bool backAfterTheReRead = false;
        m_prompts.answerDialog<Frm_PowerDelayTime>([&](Frm_PowerDelayTime& dialog) {
            started = Part<QLineEdit>(dialog, "Text1")->text();
            Part<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("30"));
            Part<QPushButton>(dialog, "CMdSend1")->click();
            QVERIFY(s.clock.runTimers());
            backAfterTheReRead = Part<QPushButton>(dialog, "CMdSend1")->isEnabled();
            Part<QPushButton>(dialog, "CmdExit")->click();
        });
        s.run(s.w.actions().Menu_PowerDelayTime);
        QCOMPARE(started, QStringLiteral("10"));
        QVERIFY(backAfterTheReRead);
        QCOMPARE(m_prompts.unanswered(), 0);
        QCOMPARE(s.line->codes().mid(3), (QList<int>{253, ReadInfo}));
        QCOMPARE(s.line->calls()[3].frame.toHex(' ').left(14), QByteArray("f0 f1 f2 fd 1e"));
    }

    void theFactorySequenceKeepsWhatItReadForTheList() {
        ScriptedWindow s(m_state, m_prompts);
        s.connectThroughTheMenu(m_prompts);
        QByteArray other = RecorderReplies::Info;
        other[3] = char(0x77);
        s.line->answer(ReadInfo, other);
        m_prompts.answerDialog<FrmAutoOpration>([&s](FrmAutoOpration& window) {
            QVERIFY(s.clock.runTimers());
            QVERIFY(!window.isVisible());
        });
        s.run(s.w.actions().Menu_AutoOperate);
        QCOMPARE(m_prompts.unanswered(), 0);
        QCOMPARE(cell(s.w, "ListView1", 1, 1), QStringLiteral("0123456789AB"));
        s.w.device().info_ListView1();
        QCOMPARE(cell(s.w, "ListView1", 1, 1), QStringLiteral("7723456789AB"));
    }
};

QTEST_MAIN(TestMainWindowDevice)
#include "test_main_window_device.moc"
