#include "link/LinkState.h"
#include "link/PortSearch.h"
#include "tests/link/fakes/FakeLink.h"
#include "tests/link/fakes/RecorderReplies.h"

#include <QTest>

#include <optional>

class TestRsFun : public QObject {
    Q_OBJECT

private:
    std::optional<FakeLink> m_link;

    [[nodiscard]] qint64 elapsed() const { return m_link->clock.elapsedMs(); }

private slots:
    void init() { m_link.emplace(); }

    void sendsTheTenByteFrameAndWaitsForTheCodesLength() {
        m_link->transport.reply(RecorderReplies::Info);
        QVERIFY(m_link->send(243)->ok);
        m_link->transport.reply(RecorderReplies::Ack);
        QVERIFY(m_link->send(253, {30})->ok);
        QCOMPARE(m_link->transport.calls().size(), 2);
        const FakeTransport::Call info = m_link->transport.calls()[0];
        QCOMPARE(info.frame.toHex(' '), QByteArray("f0 f1 f2 f3 08 04 1e 0a 33 02"));
        QCOMPARE(info.expected, 18);
        QCOMPARE(m_link->transport.calls()[1].frame.left(6).toHex(' '),
                 QByteArray("f0 f1 f2 fd 1e 04"));
        QCOMPARE(m_link->transport.calls()[1].expected, 4);
        QVERIFY(!m_link->rs.CommandBusy());
    }

    void informationIsHandedToTheCaller() {
        m_link->transport.reply(RecorderReplies::Info);
        const CommandResult result = *m_link->send(243);
        QVERIFY(result.ok);
        QCOMPARE(result.info.serial, QStringLiteral("0123456789AB"));
        QCOMPARE(result.info.formatState, QStringLiteral("已有保存的数据"));
        QCOMPARE(result.info.uploadTime, QStringLiteral("08年04月30日10时51分"));
        QCOMPARE(result.info.errCorr, QStringLiteral("+5"));
        QCOMPARE(result.info.lastAddr, QStringLiteral("300"));
        QCOMPARE(result.info.powerOffMin, std::optional(QStringLiteral("10")));
        // A complete reply needs no grace period.
        QCOMPARE(elapsed(), 0);
    }

    void refusalsComeAtOnceAndSendNothing() {
        for (int code : {250, 251, 254, 242, 256}) {
            bool refused = false;
            m_link->rs.SendCommand(code, nullptr, [&](const CommandResult& r) { refused = !r.ok; });
            QVERIFY(refused);
        }
        QVERIFY(m_link->transport.calls().isEmpty());
        QVERIFY(!m_link->rs.CommandBusy());

        // A command given while another waits for its reply.
        bool busyInside = false;
        std::optional<CommandResult> nested;
        m_link->transport.duringExchange([&] {
            busyInside = m_link->rs.CommandBusy();
            m_link->rs.SendCommand(248, nullptr, [&](const CommandResult& r) { nested = r; });
        });
        m_link->transport.reply(RecorderReplies::Info);
        QVERIFY(m_link->send(243)->ok);
        QVERIFY(busyInside);
        QVERIFY(nested && !nested->ok);
        QCOMPARE(m_link->transport.codes(), QList<int>{243});
        QCOMPARE(m_link->transport.refused(), 0);
        m_link->transport.duringExchange({});
        m_link->transport.reply(RecorderReplies::Ack);
        QVERIFY(m_link->send(248)->ok);
    }

    void thePortSearchHoldsTheLinkFromFirstProbeToLast() {
        // The first port is silent; the second answers. Nothing may cut in meanwhile.
        m_link->transport.reply({}); // wake-up, port 3
        m_link->transport.reply({}); // information, port 3: nothing
        m_link->transport.reply({}); // wake-up, port 7
        m_link->transport.reply(RecorderReplies::Info);
        int refused = 0;
        m_link->transport.duringExchange([&] {
            m_link->rs.SendCommand(248, nullptr, [&](const CommandResult& r) { refused += !r.ok; });
        });
        PortSearch search(m_link->rs, m_link->clock);
        std::optional<std::pair<bool, QString>> outcome;
        connect(&search, &PortSearch::finished, this, [&](bool found, const DeviceInfo& info) {
            outcome = {found, info.serial};
            QVERIFY(!m_link->rs.CommandBusy());
        });
        QVERIFY(search.start({3, 7}));
        QVERIFY(!search.start({9}));
        QVERIFY(m_link->clock.runTimers());
        QCOMPARE(outcome, std::optional(std::pair(true, QStringLiteral("0123456789AB"))));
        QCOMPARE(refused, 4);
        QCOMPARE(m_link->state.ComPortNo, quint8(7));
        QCOMPARE(m_link->transport.codes(), (QList<int>{255, 243, 255, 243}));
        // Each recorder gets its second between the wake-up and the question; the silent
        // one's question also costs the grace of a missing reply.
        const auto at = [this](int call) { return m_link->transport.calls()[call].atMs; };
        QCOMPARE(at(1) - at(0), 1000);
        QCOMPARE(at(2) - at(1), 1000);
        QCOMPARE(at(3) - at(2), 1000);

        m_link->transport.duringExchange({});
        m_link->transport.answer(243, {});
        QVERIFY(search.start({9}));
        QVERIFY(m_link->clock.runTimers());
        QCOMPARE(outcome->first, false);
        QCOMPARE(m_link->state.ComPortNo, quint8(0));
    }

    void aMissingReplyGetsASecondsGrace() {
        std::optional<CommandResult> result;
        m_link->rs.SendCommand(243, nullptr, [&](const CommandResult& r) { result = r; });
        m_link->clock.advance(999);
        QVERIFY(!result);
        QVERIFY(m_link->rs.CommandBusy());
        m_link->clock.advance(1);
        QVERIFY(result && !result->ok);
        QVERIFY(!m_link->rs.CommandBusy());

        m_link->transport.reply(QByteArray::fromHex("EF"));
        QVERIFY(!m_link->send(245)->ok);
        QCOMPARE(elapsed(), 2000);
    }

    void noMarkerOrNoReplyExpectedFailsWithoutGrace() {
        m_link->transport.reply(QByteArray::fromHex("0102030405060708090A0B0C0D0E0F101112131415"));
        QVERIFY(!m_link->send(243)->ok);
        QVERIFY(!m_link->send(255)->ok);
        QCOMPARE(m_link->transport.calls()[1].expected, 0);
        QCOMPARE(elapsed(), 0);
    }

    void aShortReplyDecodesWhatArrivedAfterTheGrace() {
        m_link->transport.reply(QByteArray::fromHex("EFEEED0123456789AB0108041E0A330105"));
        const CommandResult result = *m_link->send(243);
        QVERIFY(result.ok);
        QCOMPARE(elapsed(), 1000);
        QCOMPARE(result.info.errCorr, QStringLiteral("+5"));
        QVERIFY(result.info.lastAddr.isEmpty());
        // The power-off time known before stays, the lost fields go.
        DeviceInfo kept;
        kept.lastAddr = QStringLiteral("999");
        kept.powerOffMin = QStringLiteral("7");
        kept.update(result.info);
        QVERIFY(kept.lastAddr.isEmpty());
        QCOMPARE(kept.powerOffMin, std::optional(QStringLiteral("7")));
    }

    void aDataBlockIsHandedOverAsItsReadings() {
        m_link->transport.reply(RecorderReplies::DataBlock());
        const CommandResult result = *m_link->send(246);
        QCOMPARE(m_link->transport.calls()[0].expected, 2002);
        QVERIFY(result.ok);
        QCOMPARE(result.readings.size(), 999);
        QCOMPARE(result.readings.mid(0, 3), (QStringList{"23.5", "20.0", "20.0"}));
    }

    void aFailedBlockGivesNoReadings_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("silent") << QByteArray();
        QTest::newRow("no marker") << QByteArray(30, '\x11');
        QTest::newRow("pulled out mid-block") << RecorderReplies::DataBlock().left(1200);
    }
    void aFailedBlockGivesNoReadings() {
        QFETCH(QByteArray, reply);
        m_link->transport.reply(reply);
        const CommandResult result = *m_link->send(246);
        QVERIFY(!result.ok);
        QVERIFY(result.readings.isEmpty());
        QVERIFY(!m_link->rs.CommandBusy());
    }

    void aCallerGoneBeforeTheReplyHearsNothing() {
        auto caller = std::make_unique<QObject>();
        bool heard = false;
        m_link->transport.duringExchange([&caller] { caller.reset(); });
        m_link->transport.reply(RecorderReplies::Info);
        m_link->rs.SendCommand(243, caller.get(), [&heard](const CommandResult&) { heard = true; });
        QVERIFY(m_link->clock.runTimers());
        QVERIFY(!heard);
        QVERIFY(!m_link->rs.CommandBusy());
    }
};

QTEST_GUILESS_MAIN(TestRsFun)
#include "test_rs_fun.moc"
