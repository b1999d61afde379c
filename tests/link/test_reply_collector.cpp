// The receive rule on its own: bytes and clock turns in, "complete" and the time of the
// next look out, no port.
#include "link/ReplyCollector.h"

#include <QTest>

namespace {

constexpr int Second = 1000;
constexpr int Noon = 12 * 3600 * Second;

// Turns the rule every millisecond from `from` until it completes or `until` passes;
// returns the time it completed, or -1.
int completesAt(ReplyCollector& reply, int from, int until) {
    for (int t = from; t <= until; ++t)
        if (reply.turn(t))
            return t;
    return -1;
}

} // namespace

class TestReplyCollector : public QObject {
    Q_OBJECT

private slots:
    void moreThanTheExpectedLengthEndsTheWaitAfterSettling() {
        ReplyCollector reply(18, Noon);
        reply.receive(QByteArray(19, 'x'), Noon + 5);
        QVERIFY(!reply.turn(Noon + 5));
        QCOMPARE(reply.msUntilNextTurn(Noon + 45), 60);
        QCOMPARE(completesAt(reply, Noon + 5, Noon + Second), Noon + 105);
        QCOMPARE(reply.count(), 19);
    }

    void exactlyTheExpectedLengthWaitsForTheQuietPeriod() {
        ReplyCollector reply(18, Noon);
        reply.receive(QByteArray(18, 'x'), Noon + 500);
        QCOMPARE(reply.msUntilNextTurn(Noon + 500), 9500);
        const int done = completesAt(reply, Noon + 500, Noon + 20 * Second);
        // Quiet is judged on whole seconds: ten of them after the last byte's second.
        QCOMPARE(done, Noon + 10 * Second + 100);
    }

    void everyNewByteRestartsTheQuietPeriod() {
        ReplyCollector reply(4, Noon);
        for (int k = 1; k <= 4; ++k) {
            QCOMPARE(completesAt(reply, Noon + (k - 1) * 8 * Second, Noon + k * 8 * Second - 1),
                     -1);
            reply.receive(QByteArray(1, 'x'), Noon + k * 8 * Second);
        }
        QCOMPARE(completesAt(reply, Noon + 32 * Second, Noon + 40 * Second), -1);
        reply.receive(QByteArray(1, 'x'), Noon + 40 * Second);
        QCOMPARE(completesAt(reply, Noon + 40 * Second, Noon + 41 * Second), Noon + 40100);
    }

    void theTailArrivingWhileSettlingBelongsToTheReply() {
        ReplyCollector reply(2, Noon);
        reply.receive(QByteArray(3, 'a'), Noon);
        QVERIFY(!reply.turn(Noon));
        QVERIFY(reply.settling());
        reply.receive(QByteArray(2, 'b'), Noon + 50);
        QCOMPARE(completesAt(reply, Noon + 50, Noon + Second), Noon + 100);
        QCOMPARE(reply.bytes(), QByteArray("aaabb"));
    }

    void aSilentLineSpanningMidnightEndsAtItsNextTurn() {
        const int beforeMidnight = 24 * 3600 * Second - 2 * Second;
        ReplyCollector reply(18, beforeMidnight);
        QVERIFY(!reply.turn(beforeMidnight + 1500));
        // The next look is at midnight, not at the end of the quiet period.
        QCOMPARE(reply.msUntilNextTurn(beforeMidnight + 1500), 500);
        // Just past midnight the clock reads about 0 s: the difference is a day, not 2 s.
        QVERIFY(!reply.turn(0));
        QVERIFY(reply.settling());
        QCOMPARE(reply.msUntilNextTurn(40), 60);
        QVERIFY(reply.turn(100));
        QCOMPARE(reply.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestReplyCollector)
#include "test_reply_collector.moc"
