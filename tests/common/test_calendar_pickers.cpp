#include "common/ui/FrmShowRiLI.h"
#include "common/ui/frmRiLi.h"
#include "tests/link/fakes/StepClock.h"
#include "tests/support/ConfirmDateTime.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WindowParts.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

class TestCalendarPickers : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;

    // A clock standing still at 2008-04-30 14:25:03.
    StepClock m_clock{QDateTime(QDate(2008, 4, 30), QTime(14, 25, 3))};

    // Runs the save's date-time dialog with `act` as the user, and with what was typed
    // before, if anything.
    std::optional<SaveChoice> ask(std::function<void(FrmShowRiLI&)> act,
                                  std::optional<SaveEntries>& typed) {
        m_prompts.answerDialog<FrmShowRiLI>(std::move(act));
        return FrmShowRiLI::askSave(m_prompts, m_clock, typed, nullptr);
    }
    std::optional<SaveChoice> ask(std::function<void(FrmShowRiLI&)> act) {
        std::optional<SaveEntries> typed;
        return ask(std::move(act), typed);
    }

private slots:
    void init() { m_prompts.clear(); }

    void opensAtNowAndReturnsTheChosenHalfHour() {
        const std::optional<SaveChoice> choice = ask([](FrmShowRiLI& d) {
            auto* time = Part<QComboBox>(d, "Combo1");
            QCOMPARE(Part<QLineEdit>(d, "Text1")->text(), QStringLiteral("2008-04-30"));
            QCOMPARE(time->currentText(), QStringLiteral("14:25:03"));
            QCOMPARE(time->count(), 48);
            QCOMPARE(time->itemText(0), QStringLiteral("00:00:00"));
            QCOMPARE(time->itemText(47), QStringLiteral("23:30:00"));
            time->setCurrentIndex(time->findText(QStringLiteral("14:30:00")));
            Part<QPushButton>(d, "CmdOK")->click();
        });
        QVERIFY(choice);
        QCOMPARE(choice->dateTime, QStringLiteral("2008-04-30 14:30:00"));
        QCOMPARE(choice->firstNumber, qint16(1));
        QCOMPARE(choice->lastNumber, qint16(999));
        QCOMPARE(choice->offset, qint16(0));
    }

    void offsetShowsTheShiftedRange_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("shiftedFirst");
        QTest::addColumn<QString>("shiftedLast");
        QTest::addColumn<int>("offsetNum");
        QTest::newRow("plus 100") << "1"
                                  << "999"
                                  << "+100"
                                  << "101"
                                  << "1099" << 100;
        QTest::newRow("negative") << "5"
                                  << "7"
                                  << "-4"
                                  << "1"
                                  << "3" << -4;
        QTest::newRow("not a number counts 0") << "5"
                                               << "7"
                                               << "abc"
                                               << "5"
                                               << "7" << 0;
        QTest::newRow("empty offset") << "5"
                                      << "7"
                                      << ""
                                      << "5"
                                      << "7" << 0;
    }
    void offsetShowsTheShiftedRange() {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, offset);
        QString shiftedFirst;
        QString shiftedLast;
        const std::optional<SaveChoice> choice = ask([&](FrmShowRiLI& d) {
            typeDateTime(d, QStringLiteral("2008-04-30"), QStringLiteral("14:30:00"), first, last,
                         offset);
            shiftedFirst = Part<QLineEdit>(d, "Text2_3")->text();
            shiftedLast = Part<QLineEdit>(d, "Text2_2")->text();
            Part<QPushButton>(d, "CmdOK")->click();
        });
        QTEST(shiftedFirst, "shiftedFirst");
        QTEST(shiftedLast, "shiftedLast");
        QVERIFY(choice);
        QTEST(int(choice->offset), "offsetNum");
    }

    void halvesRoundToEven() {
        const std::optional<SaveChoice> choice = ask([](FrmShowRiLI& d) {
            typeDateTime(d, QStringLiteral("2008-04-30"), QStringLiteral("14:30:00"),
                         QStringLiteral("2.5"), QStringLiteral("3.5"));
            Part<QPushButton>(d, "CmdOK")->click();
        });
        QVERIFY(choice);
        QCOMPARE(choice->firstNumber, qint16(2));
        QCOMPARE(choice->lastNumber, qint16(4));
    }

    // Entries no upload could be stored under are refused; the dialog stays open with
    // them, and answers nothing unless they are put right.
    void impossibleEntriesAreRefusedAndTheDialogStays_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("30 February")
            << "2026-02-30"
            << "12:00:00"
            << "+0"
            << "数据采集日期“2026-02-30”不是有效的日期，请按“年-月-日”填写，"
               "例如 2008-04-30。";
        QTest::newRow("hour 25") << "2026-02-28"
                                 << "25:61:00"
                                 << "+0"
                                 << "数据采集时间“25:61:00”不是有效的时间，请按“时:分:秒”填写，"
                                    "例如 14:30:00。";
        QTest::newRow("not the stored form")
            << "2026-2-8"
            << "12:00:00"
            << "+0"
            << "数据采集日期“2026-2-8”不是有效的日期，请按“年-月-日”"
               "填写，例如 2008-04-30。";
        QTest::newRow("beyond 16 bits") << "2026-02-28"
                                        << "12:00:00"
                                        << "40000"
                                        << "编号和偏移必须在 -32768 到 32767 之间！";
    }
    void impossibleEntriesAreRefusedAndTheDialogStays() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, offset);
        bool stayedOpen = false;
        std::optional<SaveEntries> typed;
        const std::optional<SaveChoice> refused = ask(
            [&](FrmShowRiLI& d) {
                typeDateTime(d, date, time, QStringLiteral("1"), QStringLiteral("999"), offset);
                Part<QPushButton>(d, "CmdOK")->click();
                stayedOpen = d.isVisible();
            },
            typed);
        QVERIFY(!refused);
        QVERIFY(stayedOpen);
        QCOMPARE(m_prompts.texts().size(), 1);
        QTEST(m_prompts.texts().value(0), "refusal");
        QVERIFY(typed);
        QCOMPARE(typed->date, date);
        QCOMPARE(typed->time, time);
    }

    // A cancel, with the button, Esc or the close box, answers nothing; what was typed is
    // offered again at the next showing, and its OK answers with it.
    void everyCancelKeepsTheEntriesForTheNextShowing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel button") << QStringLiteral("button");
        QTest::newRow("Esc") << QStringLiteral("esc");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void everyCancelKeepsTheEntriesForTheNextShowing() {
        QFETCH(QString, how);
        std::optional<SaveEntries> typed;
        const std::optional<SaveChoice> cancelled = ask(
            [how](FrmShowRiLI& d) {
                Part<QLineEdit>(d, "Text2_0")->setText(QStringLiteral("5"));
                if (how == QLatin1String("button"))
                    Part<QPushButton>(d, "CmdCancle")->click();
                else if (how == QLatin1String("esc"))
                    QTest::keyClick(&d, Qt::Key_Escape);
                else
                    d.close();
            },
            typed);
        QVERIFY(!cancelled);
        QString offered;
        const std::optional<SaveChoice> again = ask(
            [&offered](FrmShowRiLI& d) {
                offered = Part<QLineEdit>(d, "Text2_0")->text();
                Part<QPushButton>(d, "CmdOK")->click();
            },
            typed);
        QCOMPARE(offered, QStringLiteral("5"));
        QVERIFY(again);
        QCOMPARE(again->firstNumber, qint16(5));
        QCOMPARE(again->dateTime, QStringLiteral("2008-04-30 14:25:03"));
    }

    void calendarOpensFromTheDateBoxAndWritesTheStoredForm() {
        FrmShowRiLI dialog(m_prompts, m_clock);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QSize own = dialog.size();
        auto* date = Part<QLineEdit>(dialog, "Text1");
        auto* calendar = Part<QCalendarWidget>(dialog, "Calendar1");
        QVERIFY(!calendar->isVisible());
        QTest::mouseClick(date, Qt::LeftButton);
        QVERIFY(calendar->isVisible());
        QTRY_VERIFY(dialog.width() > own.width());
        QCOMPARE(calendar->selectedDate(), QDate(2008, 4, 30));
        calendar->setSelectedDate(QDate(2008, 4, 10));
        emit calendar->clicked(QDate(2008, 4, 10));
        QCOMPARE(date->text(), QStringLiteral("2008-04-10"));
        QVERIFY(!calendar->isVisible());
        QTRY_COMPARE(dialog.size(), own);
    }

    void singleDatePickerWritesIntoTheCallersLabel() {
        QWidget caller;
        QLabel* labels[2];
        for (int i = 0; i < 2; ++i) {
            labels[i] = new QLabel(QStringLiteral("2008-01-01"), &caller);
            labels[i]->setObjectName(QStringLiteral("Label1"));
            labels[i]->setProperty("controlIndex", i);
        }
        frmRiLi picker;
        picker.Obj = &caller;
        picker.tag = 1;
        picker.Calendar1->setSelectedDate(QDate(2008, 4, 10));
        emit picker.Calendar1->clicked(QDate(2008, 4, 10));
        picker.cmdOK->click();
        QCOMPARE(labels[1]->text(), QStringLiteral("2008-04-10"));
        QCOMPARE(labels[0]->text(), QStringLiteral("2008-01-01"));
    }

    void singleDatePickerOverItsCallerSkipsItsOwnLabel() {
        // The picker is the caller's child and comes before the caller's date label, so a
        // search by name meets the picker's own "Label1" first.
        QWidget caller;
        frmRiLi picker(&caller);
        auto* label = new QLabel(QStringLiteral("2008-01-01"), &caller);
        label->setObjectName(QStringLiteral("Label1"));
        label->setProperty("controlIndex", 0);
        picker.Obj = &caller;
        picker.tag = 0;
        picker.Calendar1->setSelectedDate(QDate(2008, 4, 10));
        emit picker.Calendar1->clicked(QDate(2008, 4, 10));
        picker.cmdOK->click();
        QCOMPARE(label->text(), QStringLiteral("2008-04-10"));
    }

    void singleDatePickerPassesTheInitialTextWhenNoDateWasClicked() {
        QWidget caller;
        auto* label = new QLabel(&caller);
        label->setObjectName(QStringLiteral("Label1"));
        label->setProperty("controlIndex", 0);
        frmRiLi picker;
        picker.Obj = &caller;
        picker.Label1->setText(QStringLiteral("2008/4/1"));
        picker.cmdOK->click();
        QCOMPARE(label->text(), QStringLiteral("2008/4/1"));
    }
};

QTEST_MAIN(TestCalendarPickers)
#include "test_calendar_pickers.moc"
