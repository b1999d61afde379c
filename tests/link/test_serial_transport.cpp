// The real serial transport against the recorder simulator on a pseudo-terminal. The
// bytes come in real time; the transport's own time, its quiet period and its settling,
// runs on a clock the test steps, once the bytes it waits for are in.
#include "link/SerialTransport.h"
#include "tests/link/fakes/StepClock.h"
#include "tests/link/sim/SimRun.h"

#include <QTest>

#include <optional>

namespace {

using Ending = ExchangeOutcome::Ending;

const QByteArray ReadInfoFrame = QByteArray::fromHex("F0F1F2F308041E0A3302");
const QByteArray ReadDataFrame = QByteArray::fromHex("F0F1F2F608041E0A3302");
const QDateTime Noon(QDate(2008, 4, 30), QTime(12, 0, 0));

} // namespace

class TestSerialTransport : public QObject {
    Q_OBJECT

private:
    std::optional<StepClock> m_clock;
    std::optional<SerialTransport> m_transport;
    std::optional<ExchangeOutcome> m_outcome;
    QList<int> m_counts;

    void begin(const QDateTime& start = Noon) {
        m_outcome.reset();
        m_counts.clear();
        m_transport.reset();
        m_clock.emplace(start);
        m_transport.emplace(*m_clock);
        connect(&*m_transport, &Transport::receivedSoFar, this,
                [this](int count) { m_counts.append(count); });
    }

    void exchange(const QString& path, const QByteArray& frame, int expected) {
        m_transport->exchange(path, frame, expected,
                              [this](const ExchangeOutcome& outcome) { m_outcome = outcome; });
    }

    // Waits in real time until `count` bytes of the reply are in.
    [[nodiscard]] bool received(int count) {
        return QTest::qWaitFor([&] { return !m_counts.isEmpty() && m_counts.last() >= count; },
                               20000);
    }

    // Steps the clock by `ms` and tells whether the exchange is still running then.
    [[nodiscard]] bool runningAfter(qint64 ms) {
        m_clock->advance(ms);
        return !m_outcome;
    }

private slots:
    void aReplyLongerThanExpectedEndsAfterTheSettlingTimes_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("marker");
        QTest::newRow("information")
            << QStringList{"--serial", "0123456789AB"} << ReadInfoFrame << 18 << 20 << 0;
        QTest::newRow("noise first")
            << QStringList{"--noise", "5"} << ReadInfoFrame << 18 << 25 << 5;
        QTest::newRow("data block") << QStringList{} << ReadDataFrame << 2002 << 2003 << 0;
    }
    void aReplyLongerThanExpectedEndsAfterTheSettlingTimes() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, frame);
        QFETCH(int, expected);
        QFETCH(int, length);
        QFETCH(int, marker);
        SimRun sim(options);
        QVERIFY(!sim.path().isEmpty());
        begin();
        exchange(sim.path(), frame, expected);
        QVERIFY(received(length));
        // 100 ms for the tail to arrive, 100 ms for the line after closing.
        QVERIFY(runningAfter(199));
        QVERIFY(!runningAfter(1));
        QCOMPARE(m_outcome->ending, Ending::Reply);
        QCOMPARE(m_outcome->bytes.size(), length);
        QCOMPARE(m_outcome->bytes.indexOf(QByteArray::fromHex("EFEEED")), marker);
        if (options.contains("--serial"))
            QCOMPARE(m_outcome->bytes.left(9).toHex(), QByteArray("efeeed0123456789ab"));
        QCOMPARE(m_counts.first(), 0);
        QCOMPARE(m_counts.last(), length);
    }

    void aReplyNoLongerThanExpectedEndsThroughTheQuietPeriod_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("length");
        QTest::newRow("exact length") << "--exact" << 2002;
        QTest::newRow("cut short") << "--cut=1000" << 1000;
        QTest::newRow("silent") << "--silent" << 0;
    }
    void aReplyNoLongerThanExpectedEndsThroughTheQuietPeriod() {
        QFETCH(QString, option);
        QFETCH(int, length);
        SimRun sim(option.split(QLatin1Char('=')));
        begin();
        exchange(sim.path(), ReadDataFrame, 2002);
        QVERIFY(received(length));
        // Ten quiet seconds, then both settling times.
        QVERIFY(runningAfter(10199));
        QVERIFY(!runningAfter(1));
        QCOMPARE(m_outcome->ending, length ? Ending::Reply : Ending::NoReply);
        QCOMPARE(m_outcome->bytes.size(), length);
    }

    void everyNewByteRestartsTheQuietPeriod() {
        SimRun sim({QStringLiteral("--drip"), QStringLiteral("500")});
        begin();
        exchange(sim.path(), ReadInfoFrame, 18);
        QVERIFY(received(1));
        for (int restart = 0; restart < 2; ++restart) {
            QVERIFY(runningAfter(9000));
            // A byte that comes now, nine seconds into the quiet, starts it afresh.
            QVERIFY(received(m_counts.last() + 1));
        }
        QVERIFY(runningAfter(9000));
    }

    void aQuietPeriodAcrossMidnightEndsThere() {
        SimRun sim({QStringLiteral("--silent")});
        begin(QDateTime(QDate(2008, 4, 30), QTime(23, 59, 58)));
        exchange(sim.path(), ReadInfoFrame, 18);
        QVERIFY(runningAfter(2199));
        QVERIFY(!runningAfter(1));
        QCOMPARE(m_outcome->ending, Ending::NoReply);
    }

    void nothingIsReadWhereNothingIsExpectedOrNoPortOpens() {
        SimRun sim;
        for (const QString& path :
             {sim.path(), QStringLiteral("/dev/thermbook-no-such-port"), QString()}) {
            begin();
            exchange(path, ReadInfoFrame, path == sim.path() ? 0 : 18);
            QVERIFY(runningAfter(99));
            QVERIFY(!runningAfter(1));
            QCOMPARE(m_outcome->ending, Ending::NoReply);
            QVERIFY(m_counts.isEmpty());
        }
    }

    void aSecondExchangeWhileOneRunsIsRefusedAtOnce() {
        SimRun sim({QStringLiteral("--silent")});
        begin();
        exchange(sim.path(), ReadInfoFrame, 18);
        std::optional<ExchangeOutcome> second;
        m_transport->exchange(sim.path(), ReadInfoFrame, 18,
                              [&second](const ExchangeOutcome& outcome) { second = outcome; });
        QVERIFY(second && second->ending == Ending::Busy);
        QVERIFY(!m_outcome);
        QVERIFY(m_clock->runTimers());
        QCOMPARE(m_outcome->ending, Ending::NoReply);
    }
};

QTEST_GUILESS_MAIN(TestSerialTransport)
#include "test_serial_transport.moc"
