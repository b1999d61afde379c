// The power-off time dialog and the factory sequence window, over a scripted link.
#include "device/ui/FrmAutoOpration.h"
#include "device/ui/Frm_PowerDelayTime.h"
#include "tests/link/fakes/FakeLink.h"
#include "tests/link/fakes/RecorderReplies.h"
#include "tests/support/WindowParts.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

class TestDeviceDialogs : public QObject {
    Q_OBJECT

private:
    std::optional<FakeLink> m_link;

    void type(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }

private slots:
    void init() { m_link.emplace(); }

    void powerOffDialogHoldsTheMinutesBoxInRange() {
        m_link->state.DevPowerOffMin = QStringLiteral("12");
        Frm_PowerDelayTime dialog(m_link->rs);
        QCOMPARE(dialog.objectName(), QStringLiteral("Frm_PowerDelayTime"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("设置设备自动关机时间（分钟数）"));
        QCOMPARE(dialog.Text1->text(), QStringLiteral("12"));
        type(dialog.Text1, QStringLiteral("0"));
        QCOMPARE(dialog.Text1->text(), QStringLiteral("1"));
        type(dialog.Text1, QStringLiteral("300"));
        QCOMPARE(dialog.Text1->text(), QStringLiteral("240"));
        type(dialog.Text1, QStringLiteral("1"));
        QCOMPARE(dialog.Text1->text(), QStringLiteral("1"));
        dialog.Command1->click();
        QCOMPARE(dialog.Text1->text(), QStringLiteral("5"));
    }

    void powerOffDialogSendsTheMinutesInTheYearByteAndLooksBusyMeanwhile() {
        Frm_PowerDelayTime dialog(m_link->rs);
        // Whether the dialog looked busy during the exchange and during the re-read.
        QList<bool> busy;
        const auto look = [&busy, &dialog] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busy.append(cursor && cursor->shape() == Qt::WaitCursor &&
                        !dialog.Command1->isEnabled() && !dialog.CMdSend1->isEnabled() &&
                        !dialog.CmdExit->isEnabled());
        };
        m_link->transport.duringExchange(look);
        connect(&dialog, &Frm_PowerDelayTime::settingSent, this, look);
        dialog.show();
        type(dialog.Text1, QStringLiteral("30"));
        m_link->transport.reply(RecorderReplies::Ack);
        dialog.CMdSend1->click();
        QCOMPARE(m_link->transport.calls().size(), 1);
        QCOMPARE(m_link->transport.calls()[0].frame.toHex(' '),
                 QByteArray("f0 f1 f2 fd 1e 04 1e 0a 33 02"));
        QCOMPARE(busy, (QList<bool>{true, true}));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(dialog.CMdSend1->isEnabled() && dialog.CmdExit->isEnabled());
        QVERIFY(dialog.isVisible());
    }

    void pastedMinutesAreHeldInRangeWhenSent_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("byte");
        QTest::newRow("300 sends 240, not 44") << "300" << 0xF0;
        QTest::newRow("0 sends 1") << "0" << 0x01;
        QTest::newRow("text sends 1") << "soon" << 0x01;
        QTest::newRow("7.5 sends 8") << "7.5" << 0x08;
    }

    void pastedMinutesAreHeldInRangeWhenSent() {
        QFETCH(QString, pasted);
        QFETCH(int, byte);
        Frm_PowerDelayTime dialog(m_link->rs);
        dialog.Text1->setText(pasted); // no key release: as if pasted with the mouse
        dialog.CMdSend1->click();
        QCOMPARE(static_cast<quint8>(m_link->transport.calls().at(0).frame.at(4)), byte);
        QCOMPARE(dialog.Text1->text(), QString::number(byte));
    }

    void factorySequenceRunsItsStepsAndCloses() {
        for (int i = 0; i < 7; ++i)
            m_link->transport.reply(
                i == 0 || i == 5 ? QByteArray::fromHex("EFEEED0123456789AB0108041E0A330105012C0A77")
                                 : RecorderReplies::Ack);
        FrmAutoOpration window(m_link->rs, m_link->clock);
        QCOMPARE(window.windowTitle(), QStringLiteral("工厂自动设置"));
        QTimer::singleShot(20000, &window, &QDialog::reject); // never hang the suite
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QCOMPARE(ListTexts(window.List1), (QStringList{"得到信息", "清空片内所有数据", "设置序列号",
                                                       "设置上传时间", "标定误差", "得到信息"}));
        QCOMPARE(m_link->transport.codes(), (QList<int>{243, 249, 244, 247, 252, 243, 253}));
        QCOMPARE(static_cast<quint8>(m_link->transport.calls().last().frame.at(4)), 5);
        QCOMPARE(window.AutoStep(), 52);
        QVERIFY(window.AutoDone());
        QVERIFY(!window.Timer1->isActive());
        QCOMPARE(m_link->state.DevSerial, QStringLiteral("0123456789AB"));
    }

    void aTickNeverStartsInsideTheRunningOne() {
        FrmAutoOpration window(m_link->rs, m_link->clock);
        // A tick that arrives while an exchange still waits for its reply.
        m_link->transport.duringExchange([&window] { window.Timer1_Timer(); });
        QTimer::singleShot(20000, &window, &QDialog::reject);
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QCOMPARE(m_link->transport.maxDepth(), 1);
        // No step was repeated or lost to a refused command.
        QCOMPARE(m_link->transport.codes(), (QList<int>{243, 249, 244, 247, 252, 243, 253}));
        QCOMPARE(window.List1->count(), 6);
        QCOMPARE(window.AutoStep(), 52);
    }

    void closingEarlyStopsTheSequence() {
        FrmAutoOpration window(m_link->rs, m_link->clock);
        QTimer::singleShot(window.Timer1->interval() * 5, &window, &QDialog::reject);
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        const int stoppedAt = window.AutoStep();
        QVERIFY(stoppedAt < 51);
        QTest::qWait(window.Timer1->interval() * 5);
        QCOMPARE(window.AutoStep(), stoppedAt);
        QVERIFY(!window.AutoDone());
    }
};

QTEST_MAIN(TestDeviceDialogs)
#include "test_device_dialogs.moc"
