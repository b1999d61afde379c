#include "common/Clock.h"
#include "common/ui/FrmShowRiLI.h"
#include "common/ui/frmRiLi.h"
#include "tests/support/ScriptedPrompts.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestCalendarPickers : public QObject {
    Q_OBJECT

    ScriptedPrompts m_prompts;

    // A clock standing still at 2008-04-30 14:25:03 (time passes, but far too slowly to
    // change the seconds during a test).
    ScaledClock m_clock{1.0, QDateTime(QDate(2008, 4, 30), QTime(14, 25, 3))};

private slots:
    void init() { m_prompts.clear(); }

    void opensAtNowAndReturnsTheChosenHalfHour() {
        FrmShowRiLI dialog(m_prompts, m_clock);
        QCOMPARE(dialog.Text1->text(), QStringLiteral("2008-04-30"));
        QCOMPARE(dialog.Combo1->currentText(), QStringLiteral("14:25:03"));
        QCOMPARE(dialog.Combo1->count(), 48);
        QCOMPARE(dialog.Combo1->itemText(0), QStringLiteral("00:00:00"));
        QCOMPARE(dialog.Combo1->itemText(47), QStringLiteral("23:30:00"));
        dialog.Combo1->setCurrentIndex(dialog.Combo1->findText(QStringLiteral("14:30:00")));
        dialog.CmdOK->click();
        QCOMPARE(dialog.MyRiLI, QStringLiteral("2008-04-30 14:30:00"));
        QCOMPARE(dialog.StNum, qint16(1));
        QCOMPARE(dialog.EdNum, qint16(999));
        QCOMPARE(dialog.OffsetNum, qint16(0));
        QVERIFY(!dialog.isVisible());
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
        FrmShowRiLI dialog(m_prompts, m_clock);
        dialog.Text2[0]->setText(first);
        dialog.Text2[1]->setText(last);
        dialog.Text3->setText(offset);
        QTEST(dialog.Text2[3]->text(), "shiftedFirst");
        QTEST(dialog.Text2[2]->text(), "shiftedLast");
        dialog.CmdOK->click();
        QTEST(int(dialog.OffsetNum), "offsetNum");
    }

    void halvesRoundToEven() {
        FrmShowRiLI dialog(m_prompts, m_clock);
        dialog.Text2[0]->setText(QStringLiteral("2.5"));
        dialog.Text2[1]->setText(QStringLiteral("3.5"));
        dialog.CmdOK->click();
        QCOMPARE(dialog.StNum, qint16(2));
        QCOMPARE(dialog.EdNum, qint16(4));
    }

    void numbersBeyondSixteenBitsAreRefusedAndTheDialogStays() {
        FrmShowRiLI dialog(m_prompts, m_clock);
        dialog.show();
        dialog.Text3->setText(QStringLiteral("40000"));
        dialog.CmdOK->click();
        QCOMPARE(m_prompts.asked().size(), 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.MyRiLI.isEmpty());
        QCOMPARE(dialog.OffsetNum, qint16(0));
    }

    void everyCancelEmptiesTheDateButKeepsEntriesForTheNextShowing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel button") << QStringLiteral("button");
        QTest::newRow("Esc") << QStringLiteral("esc");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void everyCancelEmptiesTheDateButKeepsEntriesForTheNextShowing() {
        QFETCH(QString, how);
        FrmShowRiLI dialog(m_prompts, m_clock);
        dialog.CmdOK->click();
        QVERIFY(!dialog.MyRiLI.isEmpty());
        // Shown again, as after a save that failed.
        dialog.show();
        dialog.Text2[0]->setText(QStringLiteral("5"));
        if (how == QLatin1String("button"))
            dialog.CmdCancle->click();
        else if (how == QLatin1String("esc"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(dialog.MyRiLI.isEmpty());
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.StNum, qint16(1));
        QCOMPARE(dialog.Text2[0]->text(), QStringLiteral("5"));
    }

    void calendarOpensFromTheDateBoxAndWritesTheStoredForm() {
        FrmShowRiLI dialog(m_prompts, m_clock);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QSize own = dialog.size();
        QVERIFY(!dialog.Frame2->isVisible());
        QTest::mouseClick(dialog.Text1, Qt::LeftButton);
        QVERIFY(dialog.Frame2->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(dialog.width() > own.width());
        QCOMPARE(dialog.Calendar1->selectedDate(), QDate(2008, 4, 30));
        dialog.Calendar1->setSelectedDate(QDate(2008, 4, 10));
        emit dialog.Calendar1->clicked(QDate(2008, 4, 10));
        QCOMPARE(dialog.Text1->text(), QStringLiteral("2008-04-10"));
        QVERIFY(!dialog.Frame2->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(dialog.size(), own);
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
