#include "link/LinkState.h"
#include "link/PortSearch.h"
#include "tests/link/fakes/FakeLink.h"
#include "tests/link/fakes/RecorderReplies.h"

#include <QTest>

#include <optional>

namespace {

const QByteArray InfoReply = RecorderReplies::Info;

QByteArray dataReply() {
    return RecorderReplies::DataBlock();
}

} // namespace

class TestRsFun : public QObject {
    Q_OBJECT

private:
    std::optional<FakeLink> m_link;

private slots:
    void init() { m_link.emplace(); }

    void sendsTheTenByteFrameAndWaitsForTheCodesLength() {
        m_link->transport.reply(InfoReply);
        QVERIFY(m_link->rs.SendCommand(243));
        m_link->transport.reply(QByteArray::fromHex("EFEEED00"));
        QVERIFY(m_link->rs.SendCommand(253, 30));
        QCOMPARE(m_link->transport.calls().size(), 2);
        const FakeTransport::Call info = m_link->transport.calls()[0];
        QCOMPARE(info.sendCount, 10);
        QCOMPARE(info.frame.toHex(' '), QByteArray("f0 f1 f2 f3 08 04 1e 0a 33 02"));
        QCOMPARE(info.expected, 18);
        QCOMPARE(m_link->transport.calls()[1].frame.left(6).toHex(' '),
                 QByteArray("f0 f1 f2 fd 1e 04"));
        QCOMPARE(m_link->transport.calls()[1].expected, 4);
        QVERIFY(!m_link->rs.CommandBusy());
    }

    void informationReplyFillsTheDeviceState() {
        m_link->transport.reply(InfoReply);
        QVERIFY(m_link->rs.SendCommand(243));
        QCOMPARE(m_link->state.DevSerial, QStringLiteral("0123456789AB"));
        QCOMPARE(m_link->state.DevFormatState, QStringLiteral("已有保存的数据"));
        QCOMPARE(m_link->state.DevUploadTime, QStringLiteral("08年04月30日10时51分"));
        QCOMPARE(m_link->state.DevErrCorr, QStringLiteral("+5"));
        QCOMPARE(m_link->state.DevLastAddr, QStringLiteral("300"));
        QCOMPARE(m_link->state.DevPowerOffMin, QStringLiteral("10"));
        // A complete reply needs no grace period.
        QCOMPARE(m_link->clock.sleptMs(), 0);
    }

    void unknownCodesAreRefusedWithoutSending() {
        for (int code : {250, 251, 254, 242, 256})
            QVERIFY(!m_link->rs.SendCommand(code));
        QVERIFY(m_link->transport.calls().isEmpty());
        QVERIFY(!m_link->rs.CommandBusy());
    }

    void aNestedCommandIsRefusedWhileOneRuns() {
        bool nested = true;
        bool busyInside = false;
        m_link->transport.duringExchange([&] {
            busyInside = m_link->rs.CommandBusy();
            nested = m_link->rs.SendCommand(248);
        });
        m_link->transport.reply(InfoReply);
        QVERIFY(m_link->rs.SendCommand(243));
        QVERIFY(busyInside);
        QVERIFY(!nested);
        QCOMPARE(m_link->transport.codes(), QList<int>{243});
        QVERIFY(!m_link->rs.CommandBusy());
        m_link->transport.duringExchange({});
        m_link->transport.reply(QByteArray::fromHex("EFEEED00"));
        QVERIFY(m_link->rs.SendCommand(248));
    }

    void thePortSearchHoldsTheLinkFromFirstProbeToLast() {
        // The first port is silent; the second answers. Nothing may cut in meanwhile.
        m_link->transport.reply(QByteArray()); // wake-up, port 3
        m_link->transport.reply(QByteArray()); // information, port 3: nothing
        m_link->transport.reply(QByteArray()); // wake-up, port 7
        m_link->transport.reply(InfoReply);
        int refused = 0;
        m_link->transport.duringExchange([&] { refused += !m_link->rs.SendCommand(248); });
        QCOMPARE(PortSearch::AuToConfigCom(m_link->rs, {3, 7}), PortSearch::Outcome::Found);
        QCOMPARE(refused, 4);
        QCOMPARE(m_link->state.ComPortNo, quint8(7));
        QCOMPARE(m_link->transport.codes(), (QList<int>{255, 243, 255, 243}));
        QVERIFY(!m_link->rs.CommandBusy());

        m_link->transport.duringExchange([&] {
            QCOMPARE(PortSearch::AuToConfigCom(m_link->rs, {9}), PortSearch::Outcome::Busy);
        });
        QVERIFY(!m_link->rs.SendCommand(243));
        QCOMPARE(m_link->state.ComPortNo, quint8(7));
    }

    void noReplyWaitsASecondAndKeepsThePreviousState() {
        m_link->transport.reply(InfoReply);
        QVERIFY(m_link->rs.SendCommand(243));
        QVERIFY(!m_link->rs.SendCommand(243)); // nothing arrives
        QCOMPARE(m_link->clock.sleptMs(), 1000);
        QCOMPARE(m_link->state.DevSerial, QStringLiteral("0123456789AB"));
        QVERIFY(!m_link->rs.CommandBusy());
    }

    void oneByteIsNoReply() {
        m_link->transport.reply(QByteArray::fromHex("EF"));
        QVERIFY(!m_link->rs.SendCommand(245));
        QCOMPARE(m_link->clock.sleptMs(), 1000);
    }

    void replyWithoutMarkerFails() {
        m_link->transport.reply(QByteArray::fromHex("0102030405060708090A0B0C0D0E0F101112131415"));
        QVERIFY(!m_link->rs.SendCommand(243));
        QCOMPARE(m_link->clock.sleptMs(), 0);
        QVERIFY(m_link->state.DevSerial.isEmpty());
    }

    void wakeUpReadsNothingAndReturnsAtOnce() {
        QVERIFY(!m_link->rs.SendCommand(255));
        QCOMPARE(m_link->transport.calls().size(), 1);
        QCOMPARE(m_link->transport.calls()[0].expected, 0);
        QCOMPARE(m_link->clock.sleptMs(), 0);
    }

    void shortReplyDecodesWhatArrivedAfterTheGrace() {
        m_link->state.DevPowerOffMin = QStringLiteral("7");
        m_link->state.DevLastAddr = QStringLiteral("999");
        m_link->transport.reply(QByteArray::fromHex("EFEEED0123456789AB0108041E0A330105"));
        QVERIFY(m_link->rs.SendCommand(243));
        QCOMPARE(m_link->clock.sleptMs(), 1000);
        QCOMPARE(m_link->state.DevErrCorr, QStringLiteral("+5"));
        QVERIFY(m_link->state.DevLastAddr.isEmpty());
        QCOMPARE(m_link->state.DevPowerOffMin, QStringLiteral("7"));
    }

    void dataBlockFillsUploadList() {
        m_link->transport.reply(dataReply());
        QVERIFY(m_link->rs.SendCommand(246));
        QCOMPARE(m_link->transport.calls()[0].expected, 2002);
        QVERIFY(m_link->state.UploadList.startsWith(QStringLiteral("23.5;20.0;20.0;")));
        QCOMPARE(m_link->state.UploadList.count(QLatin1Char(';')), 999);
    }

    void aFailedBlockReadLeavesNoStaleReadings() {
        m_link->transport.reply(dataReply());
        QVERIFY(m_link->rs.SendCommand(246));
        QVERIFY(!m_link->rs.SendCommand(246)); // silent
        QVERIFY(m_link->state.UploadList.isEmpty());

        m_link->transport.reply(dataReply());
        QVERIFY(m_link->rs.SendCommand(246));
        m_link->transport.reply(QByteArray(30, '\x11')); // no marker
        QVERIFY(!m_link->rs.SendCommand(246));
        QVERIFY(m_link->state.UploadList.isEmpty());

        m_link->transport.reply(dataReply());
        QVERIFY(m_link->rs.SendCommand(246));
        m_link->transport.reply(dataReply().left(1200)); // pulled out mid-block
        QVERIFY(!m_link->rs.SendCommand(246));
        QVERIFY(m_link->state.UploadList.isEmpty());
        QVERIFY(!m_link->rs.CommandBusy());
    }
};

QTEST_GUILESS_MAIN(TestRsFun)
#include "test_rs_fun.moc"
