#include "common/LongWork.h"
#include "grouping/ui/FrmDataGroupDef.h"
#include "grouping/ui/FrmDefMore.h"
#include "grouping/ui/GroupingController.h"
#include "tests/grouping/GroupingFixture.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/RecordingPanel.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

using namespace GroupingFixture;
using Answer = Prompts::Answer;

namespace {

const QString Upload = QStringLiteral("2008-04-30 14:25:03");
const QString Done = QStringLiteral("数据分组完成。");
const QString SaveQuestion = QStringLiteral("将使用新的分组定义代替数据库中原有的定义？");

void clickRow(QTreeWidget* list, int row) {
    const QRect r = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void click(const QObject& dialog, const char* button) {
    Part<QPushButton>(dialog, button)->click();
}

// A dialog answer that presses one button.
template <typename D> std::function<void(D&)> pressing(const char* button) {
    return [button](D& d) { click(d, button); };
}

} // namespace

// The definition dialogs and the grouping commands of the main window.
class TestGroupingDialogs : public QObject {
    Q_OBJECT

private slots:
    void openingLoadsTheStoredGroupsAndPresetsThreeSlots() {
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0010|0004", "0002|0001|0002"});
        ScriptedPrompts prompts;
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        QCOMPARE(texts(dlg.listedGroups()),
                 (QStringList{"0002|0001|0002||||||", "0010|0004|||||||"}));
        QCOMPARE(Part<QComboBox>(dlg, "ComboGroup")->currentText(), QStringLiteral("0001"));
        QStringList slotTexts;
        for (int k = 0; k < 8; ++k)
            slotTexts.append(PartAt<QComboBox>(dlg, "ComboBH", k)->currentText());
        QCOMPARE(slotTexts, (QStringList{"0001", "0002", "0003", "", "", "", "", ""}));
        QCOMPARE(PartAt<QComboBox>(dlg, "ComboBH", 7)->itemText(1999), QStringLiteral("2000"));
        QVERIFY(prompts.asked().isEmpty());
    }

    // Whatever form a number is typed in, the list shows it as it is stored, and sensor
    // numbers are stored in the four-digit form of the group names.
    void addingShowsAndStoresTheEntriesAsStored() {
        StoreFixture fx;
        fx.create();
        ScriptedPrompts prompts;
        prompts.answer(Answer::Yes);
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        Part<QComboBox>(dlg, "ComboGroup")->setEditText(QStringLiteral("5"));
        PartAt<QComboBox>(dlg, "ComboBH", 4)->setEditText(QStringLiteral("28"));
        click(dlg, "CmdAddNew");
        QCOMPARE(texts(dlg.listedGroups()), QStringList{"0005|0001|0002|0003||0028|||"});
        QCOMPARE(Part<QComboBox>(dlg, "ComboGroup")->currentText(), QStringLiteral("0006"));
        click(dlg, "CmdSave2Mdb");
        QCOMPARE(fx.rows("select * from [分组定义]"), texts(dlg.listedGroups()));
    }

    void oneClickLetsOnePressDeleteOneRow() {
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001", "0002", "0003"});
        ScriptedPrompts prompts;
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* list = Part<QTreeWidget>(dlg, "ListView1");
        click(dlg, "CmdDel");
        QCOMPARE(list->topLevelItemCount(), 3);
        clickRow(list, 1);
        click(dlg, "CmdDel");
        click(dlg, "CmdDel");
        QCOMPARE(texts(dlg.listedGroups()), (QStringList{"0001||||||||", "0003||||||||"}));
    }

    // Enter presses no button that deletes, wherever the focus is; the list has it first.
    void enterNeverDeletesAGroup() {
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001", "0002"});
        ScriptedPrompts prompts;
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* list = Part<QTreeWidget>(dlg, "ListView1");
        QCOMPARE(dlg.focusWidget(), list);
        clickRow(list, 0);
        QTest::keyClick(list, Qt::Key_Return);
        for (const char* name : {"CmdDel", "CmdClearAll"}) {
            auto* button = Part<QPushButton>(dlg, name);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter);
        }
        QCOMPARE(list->topLevelItemCount(), 2);
        QVERIFY(dlg.isVisible());
    }

    void closing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("OK, yes") << "cmdOK" << int(Answer::Yes) << true << true;
        QTest::newRow("OK, no") << "cmdOK" << int(Answer::No) << false << true;
        QTest::newRow("save, yes") << "CmdSave2Mdb" << int(Answer::Yes) << true << false;
        QTest::newRow("cancel") << "CmdCancle" << -1 << false << false;
    }
    void closing() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001|0001"});
        ScriptedPrompts prompts;
        if (answer >= 0)
            prompts.answer(Answer(answer));
        prompts.answerDialog<FrmDataGroupDef>([button](FrmDataGroupDef& d) {
            click(d, "CmdAddNew");
            click(d, qPrintable(button));
        });
        QTEST(FrmDataGroupDef::defineGroups(prompts, fx.dbPath(), {}, nullptr), "confirmed");
        QCOMPARE(prompts.texts(), answer >= 0 ? QStringList{SaveQuestion} : QStringList{});
        QCOMPARE(fx.rows("select [组名] from [分组定义] order by rowid"),
                 saved ? (QStringList{"0001", "0001"}) : QStringList{"0001"});
    }

    void aFailedSaveKeepsTheDialogOpen() {
        StoreFixture fx;
        fx.create();
        rawExec(fx.dbPath(), "create trigger refuse before insert on [分组定义] "
                             "begin select raise(abort, 'refused'); end");
        ScriptedPrompts prompts;
        prompts.answer(Answer::Yes);
        bool stayedOpen = false;
        int listed = 0;
        prompts.answerDialog<FrmDataGroupDef>([&](FrmDataGroupDef& d) {
            click(d, "CmdAddNew");
            click(d, "cmdOK");
            stayedOpen = d.isVisible();
            listed = static_cast<int>(d.listedGroups().size());
            click(d, "CmdCancle");
        });
        QVERIFY(!FrmDataGroupDef::defineGroups(prompts, fx.dbPath(), {}, nullptr));
        QCOMPARE(prompts.texts().size(), 2);
        QVERIFY(stayedOpen);
        QCOMPARE(listed, 1);
    }

    void bulkGroupsAreAppendedFromTheRule() {
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001|0001"});
        ScriptedPrompts prompts;
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        QStringList shown;
        prompts.answerDialog<FrmDefMore>([&shown](FrmDefMore& more) {
            auto* perGroup = Part<QComboBox>(more, "Combo3");
            auto* firstGroup = Part<QComboBox>(more, "Combo2");
            auto* firstSensor = PartAt<QComboBox>(more, "Combo1", 0);
            auto* lastSensor = PartAt<QComboBox>(more, "Combo1", 1);
            QTRY_COMPARE(lastSensor->count(), 1999);
            QCOMPARE(perGroup->count(), 8);
            for (const QComboBox* c : {perGroup, firstGroup, firstSensor, lastSensor})
                shown.append(c->currentText());
            perGroup->setEditText(QStringLiteral("8"));
            firstGroup->setEditText(QStringLiteral("7"));
            firstSensor->setEditText(QStringLiteral("1995"));
            click(more, "cmdOK");
        });
        click(dlg, "CmdMore");
        QCOMPARE(shown, (QStringList{"3", "1", "1", "1999"}));
        QCOMPARE(texts(dlg.listedGroups()),
                 (QStringList{"0001|0001|||||||", "0007|1995|1996|1997|1998|1999|||"}));

        prompts.answerDialog<FrmDefMore>(pressing<FrmDefMore>("cmdCancel"));
        click(dlg, "CmdMore");
        QCOMPARE(dlg.listedGroups().size(), 2);
    }

    // The first confirmation saves, groups and checks the menu; a later cancel keeps the
    // mark. The steps before a station window open the dialog until a confirmation, and
    // regroup after one. The run works beside the window, which refuses the grouping
    // commands meanwhile.
    void definitionCommandAndTheStepsBeforeAStationWindow() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Upload + "|1|20.5"});
        ScriptedPrompts prompts;
        RecordingPanel panel;
        LongWork work;
        QWidget main;
        QAction menu(QStringLiteral("分组定义"));
        menu.setCheckable(true);
        GroupingController controller(&main, prompts, work, panel, fx.dbPath(), {}, &menu);
        connect(&menu, &QAction::triggered, &controller, &GroupingController::MenuGroupDEF_Click);
        int opened = 0;
        const auto open = [&opened] { ++opened; };

        prompts.answerDialog<FrmDataGroupDef>(pressing<FrmDataGroupDef>("CmdCancle"));
        controller.PrepareStationWindow(open);
        QCOMPARE(opened, 1);
        QVERIFY(!menu.isChecked());
        QVERIFY(!prompts.texts().contains(Done));

        prompts.answer(Answer::Yes);
        prompts.answerDialog<FrmDataGroupDef>([](FrmDataGroupDef& d) {
            click(d, "CmdAddNew");
            click(d, "cmdOK");
        });
        menu.trigger();
        QVERIFY(work.busy());
        prompts.clear();
        controller.PrepareStationWindow(open);
        controller.MenuGroupSel_Click();
        menu.trigger();
        QVERIFY(prompts.asked().isEmpty());
        QVERIFY(waitForLongWork(work));
        QCOMPARE(opened, 1);
        QVERIFY(menu.isChecked());
        QVERIFY(controller.IsOk());
        QCOMPARE(records(fx).size(), 1);
        QCOMPARE(prompts.texts(), QStringList{Done});
        QCOMPARE(panel.log.mid(2), (QStringList{"请稍等，正在准备数据.....", "hide",
                                                "请稍等，正在执行数据分组.....", "hide"}));

        prompts.answerDialog<FrmDataGroupDef>(pressing<FrmDataGroupDef>("CmdCancle"));
        menu.trigger();
        QVERIFY(menu.isChecked());
        QVERIFY(!controller.IsOk());

        prompts.clear();
        prompts.answer(Answer::Yes);
        prompts.answerDialog<FrmDataGroupDef>(pressing<FrmDataGroupDef>("cmdOK"));
        menu.trigger();
        QVERIFY(waitForLongWork(work));
        fx.addReadings({"2008-05-01 08:00:00|1|21"});
        controller.PrepareStationWindow(open);
        QVERIFY(waitForLongWork(work));
        QCOMPARE(opened, 2);
        QCOMPARE(records(fx).size(), 2);
        QCOMPARE(prompts.texts().count(Done), 2);

        rawExec(fx.dbPath(), "create trigger refuse before insert on [测量数据] "
                             "begin select raise(abort, 'refused'); end");
        controller.PrepareStationWindow(open);
        QVERIFY(waitForLongWork(work));
        QCOMPARE(opened, 2);
        QCOMPARE(records(fx).size(), 2);
        QVERIFY(!panel.visible);
    }
};

QTEST_MAIN(TestGroupingDialogs)
#include "test_grouping_dialogs.moc"
