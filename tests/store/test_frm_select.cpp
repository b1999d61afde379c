#include "store/ReadingsLayout.h"
#include "store/ReadingsModel.h"
#include "store/SelectStatement.h"
#include "store/ui/FrmSelect.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <optional>

using Check = SelectStatement::Check;
Q_DECLARE_METATYPE(SelectStatement::Check)

namespace {

const QString From = QStringLiteral("2008-04-29 10:00:00");
const QString To = QStringLiteral("2008-04-30 14:25:03");

void type(const FrmSelect& dlg, const char* box, const QString& text) {
    Part<QComboBox>(dlg, box)->setEditText(text);
}

QComboBox* combo(const FrmSelect& dlg, const char* name) {
    return Part<QComboBox>(dlg, name);
}

QRadioButton* option(const FrmSelect& dlg, const char* name, int index) {
    return PartAt<QRadioButton>(dlg, name, index);
}

// Runs the dialog on the database with `act` as the user; its answer.
std::optional<SelectStatement::Result> choose(ScriptedPrompts& prompts, const QString& dbPath,
                                              std::function<void(FrmSelect&)> act) {
    prompts.answerDialog<FrmSelect>(std::move(act));
    StoreResult refused;
    auto answer = FrmSelect::chooseQuery(prompts, dbPath, nullptr, refused);
    if (!refused.ok())
        qFatal("%s", qPrintable(refused.message()));
    return answer;
}

void pressOK(FrmSelect& dlg) {
    Part<QPushButton>(dlg, "CmdOK")->click();
}

} // namespace

// The custom query: its checks, its statements and its dialog.
class TestFrmSelect : public QObject {
    Q_OBJECT

private slots:
    void statementsFollowTheChosenOptions_data() {
        QTest::addColumn<bool>("dateRange");
        QTest::addColumn<QString>("dateFrom");
        QTest::addColumn<QString>("dateTo");
        QTest::addColumn<bool>("numberRange");
        QTest::addColumn<QString>("numberFrom");
        QTest::addColumn<QString>("numberTo");
        QTest::addColumn<bool>("numbersFirst");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("orderKey");

        QTest::newRow("all, all, date first")
            << false << From << To << false << "1"
            << "20" << false << "select * from [表1] order by [日期时间] asc,val(编号) asc"
            << "日期时间";
        QTest::newRow("range, all, date first")
            << true << From << To << false << "1"
            << "20" << false
            << "select * from [表1] Where [日期时间]>= '2008-04-29 10:00:00' and [日期时间]<= "
               "'2008-04-30 14:25:03' order by [日期时间] asc,val(编号) asc"
            << "日期时间";
        QTest::newRow("all, range, number first")
            << false << From << To << true << "1"
            << "20" << true
            << "select * from [表1] Where val(编号)>= 1 and val(编号)<= 20 order by val(编号) "
               "asc,[日期时间] asc"
            << "编号";
        QTest::newRow("range, range, date first")
            << true << From << To << true << "1"
            << "20" << false
            << "select * from [表1] Where [日期时间]>= '2008-04-29 10:00:00' and [日期时间]<= "
               "'2008-04-30 14:25:03' and val(编号)>= 1 and val(编号)<= 20 order by [日期时间] "
               "asc,val(编号) asc"
            << "日期时间";
        QTest::newRow("numbers by their value")
            << false << ""
            << "" << true << "007"
            << "12.5abc" << true
            << "select * from [表1] Where val(编号)>= 7 and val(编号)<= 12.5 order by val(编号) "
               "asc,[日期时间] asc"
            << "编号";
        QTest::newRow("number text without a number counts as 0")
            << false << ""
            << "" << true << "abc"
            << "" << false
            << "select * from [表1] Where val(编号)>= 0 and val(编号)<= 0 order by [日期时间] "
               "asc,val(编号) asc"
            << "日期时间";
        QTest::newRow("a typed quote is doubled")
            << true << "2008-04-29' or ''='"
            << "2008-04-30" << false << ""
            << "" << false
            << "select * from [表1] Where [日期时间]>= '2008-04-29'' or ''''=''' and [日期时间]<= "
               "'2008-04-30' order by [日期时间] asc,val(编号) asc"
            << "日期时间";
    }
    void statementsFollowTheChosenOptions() {
        SelectStatement::Choice c;
        QFETCH(bool, dateRange);
        c.dateRange = dateRange;
        QFETCH(QString, dateFrom);
        c.dateFrom = dateFrom;
        QFETCH(QString, dateTo);
        c.dateTo = dateTo;
        QFETCH(bool, numberRange);
        c.numberRange = numberRange;
        QFETCH(QString, numberFrom);
        c.numberFrom = numberFrom;
        QFETCH(QString, numberTo);
        c.numberTo = numberTo;
        QFETCH(bool, numbersFirst);
        c.numbersFirst = numbersFirst;
        QFETCH(QString, sql);
        QFETCH(QString, orderKey);
        const SelectStatement::Result r = SelectStatement::build(c);
        QCOMPARE(r.sql, sql);
        QCOMPARE(r.orderKey, orderKey);
    }

    void rangesAreCheckedWhateverTheOptions_data() {
        QTest::addColumn<QString>("dateFrom");
        QTest::addColumn<QString>("dateTo");
        QTest::addColumn<QString>("numberFrom");
        QTest::addColumn<QString>("numberTo");
        QTest::addColumn<Check>("check");
        QTest::newRow("in order") << From << To << "1"
                                  << "20" << Check::Ok;
        QTest::newRow("same date, same number") << To << To << "5"
                                                << "5" << Check::Ok;
        QTest::newRow("dates reversed") << To << From << "1"
                                        << "20" << Check::DateRangeWrong;
        QTest::newRow("dates compared as texts") << "2008-4-30"
                                                 << "2008-04-30"
                                                 << ""
                                                 << "" << Check::DateRangeWrong;
        QTest::newRow("case counts") << "a"
                                     << "B"
                                     << ""
                                     << "" << Check::DateRangeWrong;
        QTest::newRow("empty to-date after a from-date") << From << ""
                                                         << ""
                                                         << "" << Check::DateRangeWrong;
        QTest::newRow("numbers reversed") << ""
                                          << ""
                                          << "20"
                                          << "5" << Check::NumberRangeWrong;
        QTest::newRow("numbers by value, not text") << ""
                                                    << ""
                                                    << "9"
                                                    << "10" << Check::Ok;
        QTest::newRow("letters count as 0") << ""
                                            << ""
                                            << "abc"
                                            << "" << Check::Ok;
        QTest::newRow("letters below a number") << ""
                                                << ""
                                                << "5"
                                                << "abc" << Check::NumberRangeWrong;
        QTest::newRow("dates are checked first") << To << From << "20"
                                                 << "5" << Check::DateRangeWrong;
    }
    void rangesAreCheckedWhateverTheOptions() {
        SelectStatement::Choice c;
        QFETCH(QString, dateFrom);
        c.dateFrom = dateFrom;
        QFETCH(QString, dateTo);
        c.dateTo = dateTo;
        QFETCH(QString, numberFrom);
        c.numberFrom = numberFrom;
        QFETCH(QString, numberTo);
        c.numberTo = numberTo;
        QFETCH(Check, check);
        QCOMPARE(SelectStatement::check(c), check);
    }

    void theDialogOffersTheStoredValues() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({To + "|007|1", From + "|7|1", From + "|12|1", To + "|0003|1"});
        ScriptedPrompts prompts;
        FrmSelect dlg(prompts, fx.dbPath());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("自定义查询条件"));
        QVERIFY(dlg.loadError().ok());
        const auto items = [&dlg](const char* name) {
            QStringList out;
            for (int i = 0; i < combo(dlg, name)->count(); ++i)
                out.append(combo(dlg, name)->itemText(i));
            return out;
        };
        QCOMPARE(items("Combo1"), (QStringList{From, To}));
        QCOMPARE(items("Combo2"), (QStringList{From, To}));
        QCOMPARE(items("Combo3"), (QStringList{"3", "7", "12"}));
        QCOMPARE(items("Combo4"), (QStringList{"3", "7", "12"}));
        for (const char* name : {"Option1", "Option2", "Option3"})
            QVERIFY(option(dlg, name, 0)->isChecked());
        QVERIFY(combo(dlg, "Combo1")->currentText().isEmpty());
        QVERIFY(combo(dlg, "Combo4")->currentText().isEmpty());
    }

    void anEmptyTableGivesEmptyListsAndTheStatementForAllRows() {
        StoreFixture fx;
        ScriptedPrompts prompts;
        int listed = -1;
        const auto query = choose(prompts, fx.dbPath(), [&listed](FrmSelect& dlg) {
            listed = combo(dlg, "Combo1")->count() + combo(dlg, "Combo3")->count();
            pressOK(dlg);
        });
        QCOMPARE(listed, 0);
        QVERIFY(query);
        QCOMPARE(query->sql,
                 QStringLiteral("select * from [表1] order by [日期时间] asc,val(编号) asc"));
        QCOMPARE(query->orderKey, QStringLiteral("日期时间"));
        QCOMPARE(prompts.texts(), QStringList());
    }

    void choosingALowerBoundChoosesTheRangeOption() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({From + "|1|1"});
        ScriptedPrompts prompts;
        FrmSelect dlg(prompts, fx.dbPath());
        // A click on an entry makes it current, then reports it.
        combo(dlg, "Combo1")->setCurrentIndex(0);
        emit combo(dlg, "Combo1")->activated(0);
        QVERIFY(option(dlg, "Option1", 1)->isChecked());
        combo(dlg, "Combo3")->setCurrentIndex(0);
        emit combo(dlg, "Combo3")->activated(0);
        QVERIFY(option(dlg, "Option2", 1)->isChecked());
        type(dlg, "Combo3", QString());
        emit combo(dlg, "Combo3")->activated(0);
        QVERIFY(option(dlg, "Option2", 0)->isChecked());
    }

    void aWrongRangeIsShownAndTheDialogStaysOpen_data() {
        QTest::addColumn<QString>("dateFrom");
        QTest::addColumn<QString>("numberFrom");
        QTest::addColumn<QString>("message");
        QTest::newRow("dates") << To << "1"
                               << "日期范围 有误！";
        QTest::newRow("numbers") << From << "20"
                                 << "编号范围 有误！";
    }
    void aWrongRangeIsShownAndTheDialogStaysOpen() {
        QFETCH(QString, dateFrom);
        QFETCH(QString, numberFrom);
        QFETCH(QString, message);
        StoreFixture fx;
        ScriptedPrompts prompts;
        bool stayedOpen = false;
        QString kept;
        const auto query = choose(prompts, fx.dbPath(), [&](FrmSelect& dlg) {
            type(dlg, "Combo1", dateFrom);
            type(dlg, "Combo2", From);
            type(dlg, "Combo3", numberFrom);
            type(dlg, "Combo4", QStringLiteral("5"));
            pressOK(dlg);
            stayedOpen = dlg.isVisible();
            kept = combo(dlg, "Combo1")->currentText();
            Part<QPushButton>(dlg, "CmdCancle")->click();
        });
        QCOMPARE(prompts.texts(), QStringList{message});
        QCOMPARE(prompts.asked().last().title, QStringLiteral("thermbook"));
        QCOMPARE(prompts.asked().last().buttons, Prompts::Buttons::Ok);
        QVERIFY(stayedOpen);
        QCOMPARE(kept, dateFrom);
        QVERIFY(!query);
    }

    void cancelAnswersNothing() {
        StoreFixture fx;
        ScriptedPrompts prompts;
        QVERIFY(!choose(prompts, fx.dbPath(),
                        [](FrmSelect& dlg) { Part<QPushButton>(dlg, "CmdCancle")->click(); }));
    }

    void aQuoteInATypedDateStillGivesAWorkingQuery() {
        StoreFixture fx;
        fx.create();
        fx.addReadings({From + "|1|20", To + "|1|21"});
        ScriptedPrompts prompts;
        const auto query = choose(prompts, fx.dbPath(), [](FrmSelect& dlg) {
            option(dlg, "Option1", 1)->setChecked(true);
            type(dlg, "Combo1", QStringLiteral("2008-04-2' or '1'='1"));
            type(dlg, "Combo2", QStringLiteral("2008-04-30"));
            pressOK(dlg);
        });
        QVERIFY(query);
        ReadingsModel model;
        const StoreResult r =
            model.fill(fx.dbPath(), ReadingsLayout::forQuery(query->orderKey), query->sql);
        QVERIFY2(r.ok(), qPrintable(r.message()));
        model.waitUntilLoaded();
        // The quote stays inside the date text, which only From sorts between; had it closed
        // the text, the "or" would have let every row through.
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.text(0, 0), From);
    }
};

QTEST_MAIN(TestFrmSelect)
#include "test_frm_select.moc"
