// The real serial transport against the recorder simulator on a pseudo-terminal. The
// clock runs 20 times fast, so the 10-second quiet period takes half a second.
#include "common/Clock.h"
#include "link/LinkState.h"
#include "link/SerialTransport.h"
#include "tests/link/sim/SimRun.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace {

constexpr double Speed = 20.0;
const QByteArray ReadInfoFrame = QByteArray::fromHex("F0F1F2F308041E0A3302");
const QByteArray ReadDataFrame = QByteArray::fromHex("F0F1F2F608041E0A3302");
const QByteArray Untouched("untouched");
// The quiet period is counted in whole seconds of the clock, so ten of them may take
// a little over nine seconds.
constexpr double QuietAtLeast = 9.0;
// Runs start at noon, so no run spans midnight by chance, whenever the suite is run.
const QDateTime Noon(QDate(2008, 4, 30), QTime(12, 0, 0));

} // namespace

class TestSerialTransport : public QObject {
    Q_OBJECT

private:
    LinkState m_state;

    // Runs one exchange; returns how long it took in the clock's seconds.
    double exchange(Clock& clock, const QByteArray& frame, int expected, QByteArray& indata) {
        SerialTransport transport(clock, m_state);
        const QDateTime start = clock.now();
        transport.Send_Rec(10, frame, QStringLiteral("send..."), expected, indata,
                           QStringLiteral("receiving"));
        return start.msecsTo(clock.now()) / 1000.0;
    }

private slots:
    void init() {
        m_state = LinkState{};
        m_state.ComPortNo = 0;
    }

    void collectsTheInformationReplyWithoutWaitingForQuiet() {
        SimRun sim({QStringLiteral("--serial"), QStringLiteral("0123456789AB")});
        QVERIFY(!sim.path().isEmpty());
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        QByteArray indata;
        const double took = exchange(clock, ReadInfoFrame, 18, indata);
        QCOMPARE(indata.size(), 20);
        QCOMPARE(indata.left(9).toHex(), QByteArray("efeeed0123456789ab"));
        QCOMPARE(m_state.RecvLength, 20);
        QVERIFY2(took < 8.0, qPrintable(QString::number(took)));
    }

    void dataBlockEndsOnceMoreThanItsLengthIsWaiting() {
        SimRun sim;
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        QByteArray indata;
        const double took = exchange(clock, ReadDataFrame, 2002, indata);
        QCOMPARE(indata.size(), 2003);
        QCOMPARE(indata.left(3).toHex(), QByteArray("efeeed"));
        QCOMPARE(m_state.RecvLength, 2003);
        QVERIFY2(took < 8.0, qPrintable(QString::number(took)));
    }

    void exactLengthReplyEndsOnlyThroughTheQuietPeriod() {
        SimRun sim({QStringLiteral("--exact")});
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        QByteArray indata;
        const double took = exchange(clock, ReadDataFrame, 2002, indata);
        QCOMPARE(indata.size(), 2002);
        QVERIFY2(took >= QuietAtLeast && took < 14.0, qPrintable(QString::number(took)));
    }

    void silentLineEndsAfterTenQuietSecondsWithNothing() {
        SimRun sim({QStringLiteral("--silent")});
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        m_state.RecvLength = 77;
        QByteArray indata = Untouched;
        const double took = exchange(clock, ReadInfoFrame, 18, indata);
        QVERIFY(indata.isEmpty());
        QCOMPARE(m_state.RecvLength, 0);
        QVERIFY2(took >= QuietAtLeast && took < 14.0, qPrintable(QString::number(took)));
    }

    void noiseBeforeTheMarkerIsCollectedToo() {
        SimRun sim({QStringLiteral("--noise"), QStringLiteral("5")});
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        QByteArray indata;
        exchange(clock, ReadInfoFrame, 18, indata);
        QCOMPARE(indata.size(), 25);
        QCOMPARE(indata.indexOf(QByteArray::fromHex("EFEEED")), 5);
    }

    void cutReplyIsReadAfterTheQuietPeriod() {
        SimRun sim({QStringLiteral("--cut"), QStringLiteral("1000")});
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        QByteArray indata;
        const double took = exchange(clock, ReadDataFrame, 2002, indata);
        QCOMPARE(indata.size(), 1000);
        QVERIFY2(took >= QuietAtLeast, qPrintable(QString::number(took)));
    }

    void everyNewByteRestartsTheQuietPeriod() {
        // 60 ms of real time between bytes is 1.2 s of the clock's; 19 bytes take far
        // longer than one quiet period, yet the wait holds until they are there.
        SimRun sim({QStringLiteral("--drip"), QStringLiteral("60")});
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        QList<int> seen;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] { seen.append(m_state.RecvCount); });
        sampler.start(100);
        QByteArray indata;
        const double took = exchange(clock, ReadInfoFrame, 18, indata);
        QVERIFY2(indata.size() >= 19, qPrintable(QString::number(indata.size())));
        QCOMPARE(indata.left(3).toHex(), QByteArray("efeeed"));
        QVERIFY2(took > 15.0, qPrintable(QString::number(took)));
        // The live count grew while the bytes came in.
        QVERIFY(std::any_of(seen.begin(), seen.end(), [](int n) { return n > 0 && n < 19; }));
    }

    void nothingIsReadWhenNoReplyIsExpected() {
        SimRun sim;
        sim.connect(m_state);
        ScaledClock clock(Speed, Noon);
        QByteArray indata = Untouched;
        m_state.RecvLength = 77;
        const double took = exchange(clock, ReadInfoFrame, 0, indata);
        QCOMPARE(indata, Untouched);
        QCOMPARE(m_state.RecvLength, 77);
        QVERIFY(took < 2.0);
    }

    void aMissingPortSendsNothingAndReadsNothing() {
        m_state.ComPortNo = m_state.Ports.NumberFor(QStringLiteral("/dev/thermbook-no-such-port"));
        ScaledClock clock(Speed, Noon);
        QByteArray indata = Untouched;
        m_state.RecvLength = 77;
        const double took = exchange(clock, ReadInfoFrame, 18, indata);
        QCOMPARE(indata, Untouched);
        QCOMPARE(m_state.RecvLength, 77);
        QVERIFY(took < 2.0);

        m_state.ComPortNo = 0;
        exchange(clock, ReadInfoFrame, 18, indata);
        QCOMPARE(indata, Untouched);
    }

    void quietPeriodAcrossMidnightEndsAtOnce() {
        SimRun sim({QStringLiteral("--silent")});
        sim.connect(m_state);
        ScaledClock clock(Speed, QDateTime(QDate(2008, 4, 30), QTime(23, 59, 58)));
        QByteArray indata;
        const double took = exchange(clock, ReadInfoFrame, 18, indata);
        QVERIFY2(took < 8.0, qPrintable(QString::number(took)));
    }
};

QTEST_GUILESS_MAIN(TestSerialTransport)
#include "test_serial_transport.moc"
