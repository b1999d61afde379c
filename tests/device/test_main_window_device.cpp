// The main window's device commands against the recorder simulator, with the boxes
// answered from a script and the clock running 50 times fast.
#include "Clock.h"
#include "Frm_PowerDelayTime.h"
#include "Module1.h"
#include "RegWR.h"
#include "DeviceController.h"
#include "ScriptedPrompts.h"
#include "WindowParts.h"
#include "SimRun.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QFrame>

namespace {

constexpr double Speed = 50.0;
const QString Checklist = QStringLiteral("请确认先对“电子测温记录仪”进行了以下操作：");

QString cell(const QWidget& w, const char* list, int row, int column) {
    return Cell(Part<QTreeView>(w, list), row, column);
}

quint8 port(frmMain& w) {
    return w.device().link().state().ComPortNo;
}

// One value of the simulator's state file.
QString simState(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1).trimmed();
    }
    return {};
}

} // namespace

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

    // Connects through the menu, answering the checklist with OK.
    static void connectThroughTheMenu(frmMain& w, ScriptedPrompts& prompts) {
        prompts.answer(Prompts::Answer::Ok);
        w.actions().menu_Connect->trigger();
    }

private slots:
    void init() {
        m_prompts.clear();
        m_state.FactoryMode = true;
        qunsetenv("THERMBOOK_SERIAL_PORTS");
    }

    void connectFindsTheRecorderAndShowsItsInformation() {
        auto sim = startSim({QStringLiteral("--serial"), QStringLiteral("0123456789AB"),
                             QStringLiteral("--poweroff"), QStringLiteral("30")});
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        w.show();
        connectThroughTheMenu(w, m_prompts);

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
        QVERIFY(Part<QProgressBar>(w, "ProgressBar1")->isVisible() || !Part<QProgressBar>(w, "ProgressBar1")->isHidden());

        QCOMPARE(Part<QTreeView>(w, "ListView1")->model()->columnCount(), 2);
        QCOMPARE(Rows(Part<QTreeView>(w, "ListView1")), 7);
        QCOMPARE(cell(w, "ListView1", 1, 0), QStringLiteral("设备序列号："));
        QCOMPARE(cell(w, "ListView1", 1, 1), QStringLiteral("0123456789AB"));
        QCOMPARE(cell(w, "ListView1", 5, 1), QStringLiteral("30"));
    }

    void aSecondConnectWhileSearchingIsIgnored() {
        auto sim = startSim();
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        m_prompts.answer(Prompts::Answer::Ok);
        m_prompts.answer(Prompts::Answer::Ok);
        // Clicked again while the first search is probing the port.
        QTimer::singleShot(0, &w, [&w] { w.actions().menu_Connect->trigger(); });
        w.actions().menu_Connect->trigger();
        QCOMPARE(m_prompts.texts().size(), 2);
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("设备联机成功！"));
        QVERIFY(port(w) != 0);
        QVERIFY(w.actions().menu_Connect->isChecked());
    }

    void cancellingTheChecklistProbesNothing() {
        auto sim = startSim();
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        m_prompts.answer(Prompts::Answer::Cancel);
        w.actions().menu_Connect->trigger();
        QCOMPARE(m_prompts.asked().size(), 1);
        QCOMPARE(port(w), quint8(0));
        QVERIFY(!w.actions().menu_Connect->isChecked());
        QCOMPARE(Part<QLabel>(w, "sbPanel1")->text(), QStringLiteral("没有与设备联机。"));

        // Once linked, a cancelled connect leaves the link and its check mark alone.
        connectThroughTheMenu(w, m_prompts);
        const quint8 before = port(w);
        QVERIFY(w.actions().menu_Connect->isChecked());
        w.actions().menu_Connect->trigger();
        w.device().menu_Connect_Click();
        QVERIFY(w.actions().menu_Connect->isChecked());
        QCOMPARE(port(w), before);
    }

    void aSilentLineMeansNoRecorder() {
        auto sim = startSim({QStringLiteral("--silent")});
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        w.show();
        connectThroughTheMenu(w, m_prompts);
        const QStringList texts = m_prompts.texts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[1], QStringLiteral("没有检测到有效的设备。"));
        QCOMPARE(m_prompts.asked()[1].title, QStringLiteral("提示："));
        QCOMPARE(texts[2], QStringLiteral("设备联机失败！"));
        QCOMPARE(m_prompts.asked()[2].title, QStringLiteral("检测到："));
        QCOMPARE(port(w), quint8(0));
        QCOMPARE(Part<QLabel>(w, "sbPanel1")->text(), QStringLiteral("与设备联机失败。"));
        QVERIFY(!w.actions().menu_Connect->isChecked());
        QVERIFY(!w.actions().menu_Upload->isEnabled());
    }

    void driverCheckReportsWhatItFinds() {
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        qputenv("THERMBOOK_SERIAL_PORTS", "/dev/null");
        w.device().MenuDrv_Click();
        QCOMPARE(m_prompts.asked().last().title, QStringLiteral("检测到："));
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("设备USB接口驱动程序已经安装。"));

        qunsetenv("THERMBOOK_SERIAL_PORTS");
        if (!RegWR::DriverInstalled()) {
            const QString missing =
                QStringLiteral("设备USB接口驱动程序尚未安装，请使用设备随机安装光盘进行安装");
            w.device().MenuDrv_Click();
            QCOMPARE(m_prompts.texts().last(), missing);
            // Without the driver, connecting stops before the checklist.
            m_prompts.clear();
            w.actions().menu_Connect->trigger();
            QCOMPARE(m_prompts.texts(), QStringList{missing});
            QVERIFY(!w.actions().menu_Connect->isChecked());
        }
    }

    void commandsNeedAConnection() {
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        w.device().Menu_Info_Click();
        w.device().menu_Upload_Click();
        QCOMPARE(m_prompts.texts(), (QStringList{QStringLiteral("请先与设备联机！"),
                                                 QStringLiteral("请先与设备联机！")}));
        QCOMPARE(m_prompts.asked()[0].title, QStringLiteral("提示："));
        QCOMPARE(Rows(Part<QTreeView>(w, "ListView2")), 0);
    }

    void uploadShowsTheReadingsWithALivePercentage() {
        QFile csv(m_dir.filePath(QStringLiteral("readings.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Text));
        csv.write("1,23.5\n2,-5.3\n3,0.0\n998,130.9\n");
        csv.close();
        auto sim =
            startSim({QStringLiteral("--pace"), QStringLiteral("--readings"), csv.fileName()});
        ScaledClock clock(Speed, QDateTime(QDate(2008, 4, 30), QTime(10, 0, 0)));
        frmMain w(m_state, m_prompts, clock);
        w.show();
        connectThroughTheMenu(w, m_prompts);
        QVERIFY(port(w) != 0);

        QStringList shown;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            if (Part<QFrame>(w, "PicWaiting")->isVisible())
                shown.append(Part<QLabel>(w, "Label1")->text());
        });
        sampler.start(5);
        m_prompts.clear();
        w.actions().menu_Upload->trigger();
        sampler.stop();

        const QRegularExpression percent(QStringLiteral("^数据正在传输中\\.\\.\\.(\\d+)%$"));
        QList<int> percents;
        for (const QString& text : shown) {
            const QRegularExpressionMatch match = percent.match(text);
            if (match.hasMatch())
                percents.append(match.captured(1).toInt());
        }
        // The block takes 1.4 s on the line; the bar climbed through it to nearly full.
        QVERIFY2(
            std::any_of(percents.begin(), percents.end(), [](int p) { return p > 0 && p < 90; }),
            qPrintable(shown.join(QLatin1Char('|'))));
        QVERIFY(*std::max_element(percents.begin(), percents.end()) >= 90);
        QVERIFY(!Part<QFrame>(w, "PicWaiting")->isVisible());
        QVERIFY(Part<QLabel>(w, "Label1")->text().isEmpty());

        QCOMPARE(Part<QTreeView>(w, "ListView2")->model()->columnCount(), 2);
        QCOMPARE(Header(Part<QTreeView>(w, "ListView2"), 0), QStringLiteral("数据编号"));
        QCOMPARE(Header(Part<QTreeView>(w, "ListView2"), 1), QStringLiteral("温度值"));
        QCOMPARE(Rows(Part<QTreeView>(w, "ListView2")), 999);
        QCOMPARE(cell(w, "ListView2", 0, 0), QStringLiteral("1"));
        QCOMPARE(cell(w, "ListView2", 0, 1), QStringLiteral("23.5"));
        QCOMPARE(cell(w, "ListView2", 1, 1), QStringLiteral("-5.3"));
        QCOMPARE(cell(w, "ListView2", 2, 1), QStringLiteral("0"));
        QCOMPARE(cell(w, "ListView2", 997, 1), QStringLiteral("130.9"));
        QCOMPARE(cell(w, "ListView2", 998, 0), QStringLiteral("999"));

        // The recorder noted the upload; the list shows it from a fresh reading.
        QVERIFY(cell(w, "ListView1", 6, 1).startsWith(QStringLiteral("08年04月30日10时")));
        QCOMPARE(simState(stateFile(), QStringLiteral("upload-time")).section(' ', 0, 2),
                 QStringLiteral("8 4 30"));
    }

    void aFailedUploadNeverShowsThePreviousReadings() {
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        w.show();
        {
            auto sim = startSim();
            connectThroughTheMenu(w, m_prompts);
            w.actions().menu_Upload->trigger();
            QCOMPARE(Rows(Part<QTreeView>(w, "ListView2")), 999);
        }
        // The recorder is gone; the port it was on cannot be opened any more.
        m_prompts.clear();
        w.actions().menu_Upload->trigger();
        QCOMPARE(Rows(Part<QTreeView>(w, "ListView2")), 0);
        QCOMPARE(Part<QTreeView>(w, "ListView2")->model()->columnCount(), 2);
        // Nothing was offered to the store.
        QVERIFY(m_prompts.asked().isEmpty());
    }

    void formatAskedNoSendsNothing() {
        auto sim = startSim();
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        connectThroughTheMenu(w, m_prompts);
        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::No);
        w.actions().menu_format->trigger();
        QCOMPARE(m_prompts.asked().size(), 1);
        QCOMPARE(m_prompts.asked()[0].title, QStringLiteral("特别提示："));
        QCOMPARE(m_prompts.asked()[0].text,
                 QStringLiteral("设备内的数据将被清空，继续否？\r\n\r\n"
                                "（如果设备内的有用数据没有被复制，请先将其复制的计算机）"));
        QCOMPARE(simState(stateFile(), QStringLiteral("readings-cleared")), QStringLiteral("no"));
    }

    void formatClearsTheRecorderAfterItsWait() {
        auto sim = startSim();
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        w.show();
        connectThroughTheMenu(w, m_prompts);
        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::Yes);
        const QString caption = Part<QLabel>(w, "Label1")->text();
        const int maximum = Part<QProgressBar>(w, "ProgressBar1")->maximum();
        int highest = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            if (Part<QFrame>(w, "PicWaiting")->isVisible())
                highest = std::max(highest, Part<QProgressBar>(w, "ProgressBar1")->value());
        });
        sampler.start(5);
        const QDateTime start = clock.now();
        w.actions().menu_format->trigger();
        sampler.stop();
        QVERIFY(start.secsTo(clock.now()) >= 59);
        QCOMPARE(highest, 60);
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("清空数据的命令已被设备执行！"));
        QCOMPARE(m_prompts.asked().last().title, QStringLiteral("thermbook"));
        QCOMPARE(simState(stateFile(), QStringLiteral("readings-cleared")), QStringLiteral("yes"));
        QCOMPARE(cell(w, "ListView1", 2, 1), QStringLiteral("已格式化，尚未保存数据"));
        QCOMPARE(Part<QProgressBar>(w, "ProgressBar1")->maximum(), maximum);
        QCOMPARE(Part<QLabel>(w, "Label1")->text(), caption);
        QVERIFY(!Part<QFrame>(w, "PicWaiting")->isVisible());
    }

    void formatWithoutAnAnswerDoesNotClaimSuccess() {
        auto sim = startSim();
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        connectThroughTheMenu(w, m_prompts);
        sim.reset();
        m_prompts.clear();
        m_prompts.answer(Prompts::Answer::Yes);
        w.actions().menu_format->trigger();
        QVERIFY(!m_prompts.texts().contains(QStringLiteral("清空数据的命令已被设备执行！")));
        QCOMPARE(m_prompts.asked().last().title, QStringLiteral("提示："));
    }

    void powerOffLeavesThePortForTheFactoryCommands() {
        auto sim = startSim();
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        connectThroughTheMenu(w, m_prompts);
        const quint8 before = port(w);
        w.actions().menu_PowerOff->trigger();
        QVERIFY(!w.actions().menu_Connect->isChecked());
        QVERIFY(!w.actions().Menu_Info->isEnabled());
        QVERIFY(!w.actions().menu_Set_Sn->isEnabled());
        QCOMPARE(port(w), before);
        QCOMPARE(Part<QLabel>(w, "sbPanel1")->text(), QStringLiteral("已与设备联机。"));
        // The factory items stay usable and still reach the recorder.
        w.action(QStringLiteral("Menu_UpDT"))->trigger();
        QVERIFY(
            !simState(stateFile(), QStringLiteral("upload-time")).startsWith(QLatin1String("0 ")));
    }

    void powerOffTimeDialogSendsAndShowsTheNewTime() {
        auto sim = startSim();
        ScaledClock clock(Speed);
        frmMain w(m_state, m_prompts, clock);
        w.show();
        connectThroughTheMenu(w, m_prompts);
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<Frm_PowerDelayTime*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            QCOMPARE(dialog->Text1->text(), QStringLiteral("5"));
            dialog->Text1->setText(QStringLiteral("30"));
            dialog->CMdSend1->click();
            dialog->CmdExit->click();
        });
        w.actions().Menu_PowerDelayTime->trigger();
        QVERIFY(seen);
        QCOMPARE(simState(stateFile(), QStringLiteral("power-off-minutes")), QStringLiteral("30"));
        QCOMPARE(cell(w, "ListView1", 5, 1), QStringLiteral("30"));
    }
};

QTEST_MAIN(TestMainWindowDevice)
#include "test_main_window_device.moc"
