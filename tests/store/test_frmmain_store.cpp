#include "analysis/Pour.h"
#include "analysis/ui/FrmPourData.h"
#include "app/MainPanes.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/Module1.h"
#include "common/StoreAccess.h"
#include "common/TwipsScale.h"
#include "common/ui/FrmShowRiLI.h"
#include "device/UploadReadings.h"
#include "device/ui/DeviceController.h"
#include "grouping/ui/FrmDataGroupDef.h"
#include "store/ReadingsModel.h"
#include "store/ui/FrmDataManage.h"
#include "store/ui/FrmSelect.h"
#include "store/ui/StoreController.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/ConfirmDateTime.h"
#include "tests/support/PaneRows.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

namespace {

void fillDeviceList(frmMain& w, const QStringList& temperatures) {
    w.device().uploadReadings().setReadings(temperatures);
}

const QString Older = QStringLiteral("2008-04-29 10:00:00");
const QString Newer = QStringLiteral("2008-04-30 14:25:03");

} // namespace

// The main window's database commands, driven as the user drives them.
class TestFrmMainStore : public QObject {
    Q_OBJECT

private:
    ScriptedPrompts m_prompts;
    SystemClock m_clock;
    std::unique_ptr<StoreFixture> m_fx;
    Module1 m_state;

    // Opens the next save's date-time dialog, reads the offset it offers and cancels.
    QString offsetOfferedByTheNextSave(frmMain& w) {
        m_prompts.answer(Prompts::Answer::Yes);
        QString offsetShown;
        m_prompts.answerDialog<FrmShowRiLI>([&offsetShown](FrmShowRiLI& d) {
            offsetShown = Part<QLineEdit>(d, "Text3")->text();
            Part<QPushButton>(d, "CmdCancle")->click();
        });
        w.menuSave2Mdb_Click();
        return offsetShown;
    }

private slots:
    void init() {
        m_prompts.clear();
        m_fx = std::make_unique<StoreFixture>();
        m_state.DatabasePath = m_fx->dbPath();
        m_state.Access = {};
    }

    void aUserWhoOnlyViewsFindsEveryWriteSwitchedOff() {
        m_fx->create();
        m_state.Access.readOnly = true;
        frmMain w(m_state, m_prompts, m_clock);
        FrmDataManage manage(m_prompts, m_fx->dbPath(), m_state.Access);
        FrmDataGroupDef groups(m_prompts, m_fx->dbPath(), m_state.Access);
        FrmPourData pour(m_prompts, m_state.Access, analysis::Pour{}, {}, QDateTime());
        // Typing a number does not switch its delete on.
        Part<QComboBox>(manage, "Combo1")->setEditText(QStringLiteral("12"));
        // The main window hands the same to the maintenance dialog it opens.
        bool handed = false;
        m_prompts.answerDialog<FrmDataManage>([&handed](FrmDataManage& d) {
            handed = !Part<QPushButton>(d, "CmdClearAll")->isEnabled();
            Part<QPushButton>(d, "CmdExit")->click();
        });
        w.store().menu_ClearMdb_Click();
        QVERIFY(handed);
        QVERIFY(Part<QLabel>(w, "sbStore")->text().endsWith(StoreAccess::ReadOnlyText));
        QVERIFY(!w.action(QStringLiteral("menuSave2Mdb"))->isEnabled());
        QVERIFY(!w.action(QStringLiteral("MenuGroupSel"))->isEnabled());
        for (const auto& [window, name] : {std::pair<QWidget*, const char*>{&manage, "CmdClearAll"},
                                           {&manage, "CmdDel1"},
                                           {&manage, "CmdDel2"},
                                           {&manage, "CmdIn"},
                                           {&groups, "CmdSave2Mdb"},
                                           {&groups, "cmdOK"},
                                           {&pour, "cmdOK"}}) {
            const QPushButton* b = Part<QPushButton>(*window, name);
            QVERIFY2(!b->isEnabled() && b->toolTip() == StoreAccess::ReadOnlyText, name);
        }
        QVERIFY(Part<QPushButton>(manage, "CmdOut")->isEnabled());
    }

    void anEmptyDeviceListIsNotSaved() {
        frmMain w(m_state, m_prompts, m_clock);
        w.menuSave2Mdb_Click();
        QVERIFY(m_prompts.asked().isEmpty());
        QVERIFY(!QFile::exists(m_fx->dbPath()));
    }

    void answeringNoSavesNothing() {
        frmMain w(m_state, m_prompts, m_clock);
        fillDeviceList(w, {"20.5"});
        m_prompts.answer(Prompts::Answer::No);
        w.menuSave2Mdb_Click();
        QCOMPARE(m_prompts.texts(), QStringList{"是否被将设备数据保存到计算机数据库中？"});
        QCOMPARE(m_prompts.asked().first().title, QStringLiteral("提示："));
        QCOMPARE(m_prompts.asked().first().buttons, Prompts::Buttons::YesNo);
        QVERIFY(!QFile::exists(m_fx->dbPath()));
    }

    void aSaveStoresTheChosenRangeRenumberedAndSaysSo() {
        frmMain w(m_state, m_prompts, m_clock);
        fillDeviceList(w, {"1", "2", "3", "4", "5.5", "E1", "7", "8", "9", "10"});
        m_prompts.answer(Prompts::Answer::Yes);
        confirmDateTime(m_prompts, "2008-04-30", "14:30:00", "5", "7", "+100");
        w.menuSave2Mdb_Click();
        QCOMPARE(m_fx->rows(QStringLiteral("select * from [表1] order by rowid")),
                 (QStringList{"2008-04-30 14:30:00|107|7", "2008-04-30 14:30:00|106|E1",
                              "2008-04-30 14:30:00|105|5.5"}));
        QCOMPARE(m_prompts.texts(),
                 (QStringList{"是否被将设备数据保存到计算机数据库中？", "数据已经存入数据库"}));
        QCOMPARE(m_prompts.asked().last().buttons, Prompts::Buttons::Ok);

        // After a confirmed save the dialog starts afresh.
        QCOMPARE(offsetOfferedByTheNextSave(w), QStringLiteral("+0"));
    }

    void savingTwiceDoublesTheRowsAndKeepsTheList() {
        frmMain w(m_state, m_prompts, m_clock);
        fillDeviceList(w, {"20.5", "21"});
        for (int i = 0; i < 2; ++i) {
            m_prompts.answer(Prompts::Answer::Yes);
            confirmDateTime(m_prompts, "2008-04-30", "14:30:00");
            w.menuSave2Mdb_Click();
        }
        QCOMPARE(m_fx->readingCount(), 4);
        QCOMPARE(Rows(Part<QTreeView>(w, "ListView2")), 2);
    }

    void aCancelledDateDialogSavesNothingAndKeepsItsEntries() {
        frmMain w(m_state, m_prompts, m_clock);
        fillDeviceList(w, {"20.5"});
        m_prompts.answer(Prompts::Answer::Yes);
        m_prompts.answerDialog<FrmShowRiLI>([](FrmShowRiLI& d) {
            Part<QLineEdit>(d, "Text3")->setText(QStringLiteral("+100"));
            Part<QPushButton>(d, "CmdCancle")->click();
        });
        w.menuSave2Mdb_Click();
        QCOMPARE(m_prompts.texts().size(), 1);
        QVERIFY(!QFile::exists(m_fx->dbPath()));

        QCOMPARE(offsetOfferedByTheNextSave(w), QStringLiteral("+100"));
    }

    // The dialog refuses a date-time that is no real instant and stays open; closed so,
    // it stores nothing and says nothing was saved.
    void anImpossibleDateTimeStoresNothing() {
        m_fx->create();
        frmMain w(m_state, m_prompts, m_clock);
        fillDeviceList(w, {"20.5"});
        m_prompts.answer(Prompts::Answer::Yes);
        confirmDateTime(m_prompts, "2026-02-30", "25:61:00");
        w.menuSave2Mdb_Click();
        QCOMPARE(m_prompts.texts().size(), 2);
        QVERIFY(m_prompts.texts()[1].startsWith(QStringLiteral("数据采集日期“2026-02-30”")));
        QCOMPARE(m_prompts.unanswered(), 1); // left open, then closed by the script
        QCOMPARE(m_fx->readingCount(), 0);
    }

    void aTypedQuoteIsStoredAsTyped() {
        frmMain w(m_state, m_prompts, m_clock);
        fillDeviceList(w, {"2'3", "x'); delete * from [表1]; --"});
        m_prompts.answer(Prompts::Answer::Yes);
        confirmDateTime(m_prompts, "2008-04-30", "14:30:00");
        w.menuSave2Mdb_Click();
        QCOMPARE(m_fx->rows(QStringLiteral("select [温度值] from [表1] order by rowid")),
                 (QStringList{"x'); delete * from [表1]; --", "2'3"}));
    }

    void anUnusableDatabaseIsOneOrderlyMessageAndStaysAsItWas() {
        QFile f(m_fx->dbPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(3000, 'z'));
        f.close();
        frmMain w(m_state, m_prompts, m_clock);
        fillDeviceList(w, {"20.5"});
        m_prompts.answer(Prompts::Answer::Yes);
        confirmDateTime(m_prompts, "2008-04-30", "14:30:00", "1", "999", "+100");
        w.menuSave2Mdb_Click();
        QCOMPARE(m_prompts.texts().size(), 2);
        QCOMPARE(m_prompts.texts()[1], QStringLiteral("数据库文件无法打开：") + m_fx->dbPath() +
                                           QStringLiteral("\n文件不是有效的数据库。"));
        QCOMPARE(StoreFixture::fileBytes(m_fx->dbPath()), QByteArray(3000, 'z'));
        // What was typed is offered again for the next try.
        QCOMPARE(offsetOfferedByTheNextSave(w), QStringLiteral("+100"));

        m_prompts.clear();
        w.store().menu_OrderByIdTime_Click();
        QCOMPARE(m_prompts.texts().size(), 1);
        QVERIFY(m_prompts.texts()[0].startsWith(QStringLiteral("数据库文件无法打开：")));
        QCOMPARE(w.panes().queryList()->model()->columnCount(), 3);

        m_prompts.clear();
        w.store().menu_ClearMdb_Click();
        QCOMPARE(m_prompts.texts().size(), 1);
        QVERIFY(Part<QFrame>(w, "PicWaiting")->isHidden());

        QCOMPARE(w.store().GetUpdownTimeList(), QString());
        QCOMPARE(StoreFixture::fileBytes(m_fx->dbPath()), QByteArray(3000, 'z'));
    }

    void theFixedViewsFillThePane() {
        m_fx->create();
        m_fx->addReadings({Older + "|1|20", Older + "|2|21.5", Newer + "|1|20.5", Newer + "|2|E1"});
        frmMain w(m_state, m_prompts, m_clock);
        w.show();

        w.store().menu_OrderByIdTime_Click();
        QCOMPARE(w.panes().queryTitle()->text(), QStringLiteral(" 同一传感器，各时间温度值："));
        QCOMPARE(PaneRows(w, true),
                 (QStringList{"001|" + Newer + "|021 G", "|" + Older + "|020 G",
                              "002|" + Newer + "|E1 B", "|" + Older + "|022 B"}));
        QCOMPARE(w.panes().queryList()->width(), Twips::ToPixels(5000));
        // The date column keeps its set width, or more when this desktop's font needs it.
        QTreeView* pane = w.panes().queryList();
        QVERIFY(pane->header()->sectionSize(1) >= Twips::ToPixels(2000));
        QVERIFY(pane->header()->sectionSize(1) >= pane->fontMetrics().horizontalAdvance(Newer));
        QCOMPARE(w.panes().queryList()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("编号"));

        w.store().menu_OrderByTimeId_Click();
        QCOMPARE(w.panes().queryTitle()->text(), QStringLiteral(" 同一时间，各传感器温度值："));
        QCOMPARE(PaneRows(w, true).first(), Newer + "|001|021 G");

        w.store().Menu_orderDateTime_Click();
        QCOMPARE(w.panes().queryTitle()->text(), QStringLiteral(" 数据上传时间列表："));
        QCOMPARE(PaneRows(w, true), (QStringList{Newer + " G", Older + " B"}));
        QCOMPARE(w.panes().queryList()->width(), Twips::ToPixels(3000));

        w.store().Menu_orderBianhao_Click();
        QCOMPARE(w.panes().queryTitle()->text(), QStringLiteral(" 传感器编号列表："));
        QCOMPARE(PaneRows(w, true), (QStringList{"1 G", "2 B"}));
        QVERIFY(m_prompts.asked().isEmpty());
        QCOMPARE(w.store().GetUpdownTimeList(), "|" + Newer + "|" + Older);
    }

    void aFailingQueryIsReportedAndTheCaptionStays() {
        m_fx->create();
        frmMain w(m_state, m_prompts, m_clock);
        const QString caption = w.panes().queryTitle()->text();
        w.store().ChaXun(QStringLiteral("select * from [表1] where [日期时间] >= 'x"),
                         QStringLiteral("编号"));
        QCOMPARE(m_prompts.texts().size(), 1);
        QVERIFY(m_prompts.texts()[0].startsWith(QStringLiteral("数据库操作失败：")));
        QCOMPARE(w.panes().queryTitle()->text(), caption);
        QCOMPARE(w.panes().queryList()->model()->rowCount(), 0);
    }

    void theCustomQueryShowsItsResultUnderItsOwnTitle() {
        m_fx->create();
        m_fx->addReadings({Older + "|1|23.4", Newer + "|1|20"});
        frmMain w(m_state, m_prompts, m_clock);
        const QString caption = w.panes().queryTitle()->text();
        QString shownWhileOpen;
        bool panelWhileOpen = false;
        m_prompts.answerDialog<FrmSelect>([&](FrmSelect& d) {
            shownWhileOpen = Part<QLabel>(w, "Label1")->text();
            panelWhileOpen = !Part<QFrame>(w, "PicWaiting")->isHidden();
            Part<QPushButton>(d, "CmdCancle")->click();
        });
        w.store().menu_DefByMyself_Click();
        QCOMPARE(w.panes().queryTitle()->text(), caption);
        QCOMPARE(shownWhileOpen, QStringLiteral("请稍等，正在准备数据....."));
        QVERIFY(panelWhileOpen);
        QVERIFY(Part<QFrame>(w, "PicWaiting")->isHidden());
        QVERIFY(!Part<QProgressBar>(w, "ProgressBar1")->isHidden());

        m_prompts.answerDialog<FrmSelect>([](FrmSelect& d) {
            PartAt<QRadioButton>(d, "Option3", 1)->setChecked(true);
            Part<QPushButton>(d, "CmdOK")->click();
        });
        w.store().menu_DefByMyself_Click();
        QCOMPARE(w.panes().queryTitle()->text(), QStringLiteral("自定义查询："));
        QCOMPARE(PaneRows(w, true),
                 (QStringList{"001|" + Older + "|023.40 G", "|" + Newer + "|020.00 G"}));
        QVERIFY(Part<QLabel>(w, "Label1")->text() != QStringLiteral("请稍等，正在准备数据....."));
    }

    void maintenanceOpensOverTheWaitingPanel() {
        m_fx->create();
        m_fx->addReadings({Older + "|7|1"});
        frmMain w(m_state, m_prompts, m_clock);
        w.store().menu_OrderByIdTime_Click();
        QStringList numbers;
        m_prompts.answerDialog<FrmDataManage>([&numbers](FrmDataManage& d) {
            for (int i = 0; i < Part<QComboBox>(d, "Combo1")->count(); ++i)
                numbers.append(Part<QComboBox>(d, "Combo1")->itemText(i));
            Part<QPushButton>(d, "CmdExit")->click();
        });
        w.store().menu_ClearMdb_Click();
        QCOMPARE(numbers, QStringList{"7"});
        QVERIFY(Part<QFrame>(w, "PicWaiting")->isHidden());
    }
};

QTEST_MAIN(TestFrmMainStore)
#include "test_frmmain_store.moc"
