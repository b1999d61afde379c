#include "common/Clock.h"
#include "grouping/ui/FrmDataGroupDef.h"
#include "grouping/ui/FrmDefMore.h"
#include "grouping/ui/GroupingController.h"
#include "tests/grouping/GroupingFixture.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/RecordingPanel.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WhenShown.h"

#include <QAction>
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
        QCOMPARE(dlg.ComboGroup->currentText(), QStringLiteral("0001"));
        QStringList slotTexts;
        for (const QComboBox* c : dlg.ComboBH)
            slotTexts.append(c->currentText());
        QCOMPARE(slotTexts, (QStringList{"0001", "0002", "0003", "", "", "", "", ""}));
        QCOMPARE(dlg.ComboBH[7]->itemText(1999), QStringLiteral("2000"));
        QVERIFY(prompts.asked().isEmpty());
    }

    void addingTakesTheEntriesAndMovesToTheNextGroupNumber() {
        StoreFixture fx;
        fx.create();
        ScriptedPrompts prompts;
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        dlg.ComboGroup->setEditText(QStringLiteral("0007"));
        dlg.ComboBH[4]->setEditText(QStringLiteral("0100"));
        dlg.CmdAddNew->click();
        QCOMPARE(texts(dlg.listedGroups()), QStringList{"0007|0001|0002|0003||0100|||"});
        QCOMPARE(dlg.ComboGroup->currentText(), QStringLiteral("0008"));
    }

    void oneClickLetsOnePressDeleteOneRow() {
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001", "0002", "0003"});
        ScriptedPrompts prompts;
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.CmdDel->click();
        QCOMPARE(dlg.ListView1->topLevelItemCount(), 3);
        clickRow(dlg.ListView1, 1);
        dlg.CmdDel->click();
        dlg.CmdDel->click();
        QCOMPARE(texts(dlg.listedGroups()), (QStringList{"0001||||||||", "0003||||||||"}));
    }

    void closing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("isOk");
        QTest::newRow("OK, yes") << "cmdOK" << int(Answer::Yes) << true << true;
        QTest::newRow("OK, no") << "cmdOK" << int(Answer::No) << false << true;
        QTest::newRow("save, yes") << "CmdSave2Mdb" << int(Answer::Yes) << true << false;
        QTest::newRow("cancel") << "CmdCancle" << -1 << false << false;
    }
    void closing() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, isOk);
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001|0001"});
        ScriptedPrompts prompts;
        if (answer >= 0)
            prompts.answer(Answer(answer));
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        dlg.ComboGroup->setEditText(QStringLiteral("5"));
        dlg.CmdAddNew->click();
        dlg.findChild<QPushButton*>(button)->click();
        QCOMPARE(dlg.IsOk, isOk);
        QCOMPARE(prompts.texts(), answer >= 0 ? QStringList{SaveQuestion} : QStringList{});
        QCOMPARE(fx.rows("select [组名] from [分组定义] order by rowid"),
                 saved ? (QStringList{"0005", "0001"}) : QStringList{"0001"});
    }

    void aFailedSaveKeepsTheDialogOpen() {
        StoreFixture fx;
        fx.create();
        rawExec(fx.dbPath(), "create trigger refuse before insert on [分组定义] "
                             "begin select raise(abort, 'refused'); end");
        ScriptedPrompts prompts;
        prompts.answer(Answer::Yes);
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        dlg.show();
        dlg.CmdAddNew->click();
        dlg.cmdOK->click();
        QCOMPARE(prompts.texts().size(), 2);
        QVERIFY(dlg.isVisible());
        QVERIFY(!dlg.IsOk);
        QCOMPARE(dlg.ListView1->topLevelItemCount(), 1);
    }

    void bulkGroupsAreAppendedFromTheRule() {
        StoreFixture fx;
        fx.create();
        addGroups(fx, {"0001|0001"});
        ScriptedPrompts prompts;
        FrmDataGroupDef dlg(prompts, fx.dbPath());
        QStringList shown;
        whenShown<FrmDefMore>([&shown](FrmDefMore* more) {
            QTRY_COMPARE(more->Combo1[1]->count(), 1999);
            QCOMPARE(more->Combo3->count(), 8);
            for (const QComboBox* c :
                 {more->Combo3, more->Combo2, more->Combo1[0], more->Combo1[1]})
                shown.append(c->currentText());
            more->Combo3->setEditText(QStringLiteral("8"));
            more->Combo2->setEditText(QStringLiteral("7"));
            more->Combo1[0]->setEditText(QStringLiteral("1995"));
            more->cmdOK->click();
        });
        dlg.CmdMore->click();
        QCOMPARE(shown, (QStringList{"3", "1", "1", "1999"}));
        QCOMPARE(texts(dlg.listedGroups()),
                 (QStringList{"0001|0001|||||||", "0007|1995|1996|1997|1998|1999|||"}));
    }

    // The first confirmation saves, groups and checks the menu; a later cancel keeps the
    // mark. The steps before a station window open the dialog until a confirmation, and
    // regroup after one.
    void definitionCommandAndTheStepsBeforeAStationWindow() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({Upload + "|1|20.5"});
        ScriptedPrompts prompts;
        RecordingPanel panel;
        SystemClock clock;
        QWidget main;
        QAction menu(QStringLiteral("分组定义"));
        menu.setCheckable(true);
        GroupingController controller(&main, prompts, clock, panel, fx.dbPath(), &menu);
        connect(&menu, &QAction::triggered, &controller, &GroupingController::MenuGroupDEF_Click);

        whenShown<FrmDataGroupDef>([](FrmDataGroupDef* d) { d->CmdCancle->click(); });
        QVERIFY(controller.PrepareStationWindow());
        QVERIFY(!menu.isChecked());
        QVERIFY(!prompts.texts().contains(Done));

        prompts.answer(Answer::Yes);
        whenShown<FrmDataGroupDef>([](FrmDataGroupDef* d) {
            d->CmdAddNew->click();
            d->cmdOK->click();
        });
        menu.trigger();
        QVERIFY(menu.isChecked());
        QVERIFY(controller.IsOk());
        QCOMPARE(records(fx).size(), 1);
        QCOMPARE(prompts.asked().last().text, Done);
        QCOMPARE(panel.log.mid(2), (QStringList{"请稍等，正在准备数据.....", "hide",
                                                "请稍等，正在执行数据分组.....", "hide"}));

        whenShown<FrmDataGroupDef>([](FrmDataGroupDef* d) { d->CmdCancle->click(); });
        menu.trigger();
        QVERIFY(menu.isChecked());
        QVERIFY(!controller.IsOk());

        prompts.clear();
        prompts.answer(Answer::Yes);
        whenShown<FrmDataGroupDef>([](FrmDataGroupDef* d) { d->cmdOK->click(); });
        menu.trigger();
        fx.addReadings({"2008-05-01 08:00:00|1|21"});
        QVERIFY(controller.PrepareStationWindow());
        QCOMPARE(records(fx).size(), 2);
        QCOMPARE(prompts.texts().count(Done), 2);

        rawExec(fx.dbPath(), "create trigger refuse before insert on [测量数据] "
                             "begin select raise(abort, 'refused'); end");
        QVERIFY(!controller.PrepareStationWindow());
        QCOMPARE(records(fx).size(), 2);
    }
};

QTEST_MAIN(TestGroupingDialogs)
#include "test_grouping_dialogs.moc"
