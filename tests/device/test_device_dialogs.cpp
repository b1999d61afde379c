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
#include <QSignalSpy>
#include <QTest>

#include <optional>

namespace {

const QStringList FactoryLines{"得到信息",     "清空片内所有数据", "设置序列号",
                               "设置上传时间", "标定误差",         "得到信息"};
const QList<int> FactoryCodes{243, 249, 244, 247, 252, 243, 253};

void type(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
}

bool looksBusy(const Frm_PowerDelayTime& dialog) {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor &&
           !Part<QPushButton>(dialog, "Command1")->isEnabled() &&
           !Part<QPushButton>(dialog, "CMdSend1")->isEnabled() &&
           !Part<QPushButton>(dialog, "CmdExit")->isEnabled();
}

} // namespace

class TestDeviceDialogs : public QObject {
    Q_OBJECT

private:
    std::optional<FakeLink> m_link;

    // The sequence's commands with the time each was sent, in seconds after the start.
    QList<std::pair<int, qint64>> sent() const {
        QList<std::pair<int, qint64>> out;
        for (const FakeTransport::Call& call : m_link->transport.calls())
            out.append({static_cast<quint8>(call.frame.at(3)), call.atMs / 1000});
        return out;
    }

private slots:
    void init() { m_link.emplace(); }

    void powerOffDialogHoldsTheMinutesBoxInRange() {
        Frm_PowerDelayTime dialog(QStringLiteral("12"));
        QCOMPARE(dialog.objectName(), QStringLiteral("Frm_PowerDelayTime"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("设置设备自动关机时间（分钟数）"));
        auto* minutes = Part<QLineEdit>(dialog, "Text1");
        QCOMPARE(minutes->text(), QStringLiteral("12"));
        type(minutes, QStringLiteral("0"));
        QCOMPARE(minutes->text(), QStringLiteral("1"));
        type(minutes, QStringLiteral("300"));
        QCOMPARE(minutes->text(), QStringLiteral("240"));
        type(minutes, QStringLiteral("1"));
        QCOMPARE(minutes->text(), QStringLiteral("1"));
        Part<QPushButton>(dialog, "Command1")->click();
        QCOMPARE(minutes->text(), QStringLiteral("5"));
    }

    void powerOffDialogLooksBusyUntilTheSendingEnds() {
        auto dialog = std::make_unique<Frm_PowerDelayTime>(QStringLiteral("5"));
        QSignalSpy asked(dialog.get(), &Frm_PowerDelayTime::sendRequested);
        dialog->show();
        type(Part<QLineEdit>(*dialog, "Text1"), QStringLiteral("30"));
        Part<QPushButton>(*dialog, "CMdSend1")->click();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0][0].toInt(), 30);
        QVERIFY(looksBusy(*dialog));
        dialog->sendingEnded();
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(Part<QPushButton>(*dialog, "CMdSend1")->isEnabled());
        QVERIFY(dialog->isVisible());

        // Closed while still waiting: the busy cursor goes with the dialog.
        Part<QPushButton>(*dialog, "CMdSend1")->click();
        dialog.reset();
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void pastedMinutesAreHeldInRangeWhenSent_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("minutes");
        QTest::newRow("300 sends 240, not 44") << "300" << 240;
        QTest::newRow("0 sends 1") << "0" << 1;
        QTest::newRow("text sends 1") << "soon" << 1;
        QTest::newRow("7.5 sends 8") << "7.5" << 8;
    }

    void pastedMinutesAreHeldInRangeWhenSent() {
        QFETCH(QString, pasted);
        QFETCH(int, minutes);
        Frm_PowerDelayTime dialog(QStringLiteral("5"));
        QSignalSpy asked(&dialog, &Frm_PowerDelayTime::sendRequested);
        auto* box = Part<QLineEdit>(dialog, "Text1");
        box->setText(pasted); // no key release: as if pasted with the mouse
        Part<QPushButton>(dialog, "CMdSend1")->click();
        QCOMPARE(asked.at(0).at(0).toInt(), minutes);
        QCOMPARE(box->text(), QString::number(minutes));
        dialog.sendingEnded();
    }

    void factorySequenceRunsItsStepsSecondBySecondAndCloses() {
        for (int i = 0; i < 7; ++i)
            m_link->transport.reply(i == 0 || i == 5 ? RecorderReplies::Info
                                                     : RecorderReplies::Ack);
        FrmAutoOpration window(m_link->rs, m_link->clock);
        QCOMPARE(window.windowTitle(), QStringLiteral("工厂自动设置"));
        QStringList serials;
        connect(&window, &FrmAutoOpration::informationRead, this,
                [&serials](const DeviceInfo& info) { serials.append(info.serial); });
        window.show();
        QVERIFY(m_link->clock.runTimers());
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(ListTexts(Part<QListWidget>(window, "List1")), FactoryLines);
        // A tick a second; a four-byte answer is no longer than expected, so the step waits
        // a second more for the rest, and the ticks wait with it.
        QCOMPARE(sent(),
                 (QList<std::pair<int, qint64>>{
                     {243, 1}, {249, 4}, {244, 40}, {247, 44}, {252, 48}, {243, 52}, {253, 54}}));
        QCOMPARE(m_link->clock.elapsedMs(), 57000);
        QCOMPARE(static_cast<quint8>(m_link->transport.calls().last().frame.at(4)), 5);
        QCOMPARE(serials, (QStringList{"0123456789AB", "0123456789AB"}));
    }

    // Each unanswered command keeps its step waiting through its grace; the ticks meanwhile
    // wait, so no step is repeated, skipped or started inside another.
    void withoutARecorderEveryStepStillComesOnce() {
        FrmAutoOpration window(m_link->rs, m_link->clock);
        window.show();
        QVERIFY(m_link->clock.runTimers());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(m_link->clock.elapsedMs(), 59000);
        QCOMPARE(ListTexts(Part<QListWidget>(window, "List1")), FactoryLines);
        QCOMPARE(m_link->transport.codes(), FactoryCodes);
        QCOMPARE(m_link->transport.refused(), 0);
    }

    void closingEarlyStopsTheSequence() {
        FrmAutoOpration window(m_link->rs, m_link->clock);
        window.show();
        m_link->clock.advance(5000);
        window.reject();
        const qsizetype sentBefore = m_link->transport.calls().size();
        QCOMPARE(sentBefore, 2);
        QVERIFY(m_link->clock.runTimers());
        QCOMPARE(m_link->transport.calls().size(), sentBefore);
        QCOMPARE(Part<QListWidget>(window, "List1")->count(), 2);
    }

    void aWindowClosedWhileItsStepWaitsHearsNothingMore() {
        auto window = std::make_unique<FrmAutoOpration>(m_link->rs, m_link->clock);
        window->show();
        m_link->clock.advance(1000); // the first step's question goes out, unanswered
        QVERIFY(m_link->rs.CommandBusy());
        window.reset();
        // The sanitizer catches an answer delivered to the closed window.
        QVERIFY(m_link->clock.runTimers());
        QVERIFY(!m_link->rs.CommandBusy());
    }
};

QTEST_MAIN(TestDeviceDialogs)
#include "test_device_dialogs.moc"
