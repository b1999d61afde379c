#pragma once

#include "common/ClockTimer.h"
#include "link/Transport.h"
#include "tests/link/fakes/StepClock.h"

#include <QHash>
#include <QList>

#include <functional>

// Hands the command layer scripted replies and records every frame it was given. A reply
// comes once the clock has moved on (by nothing at all), as a real line's would, after
// the event loop got its turn.
class FakeTransport : public Transport {
public:
    struct Call {
        QString portPath;
        QByteArray frame;
        int expected;
        qint64 atMs; // the clock's time, in ms since its start
    };

    explicit FakeTransport(StepClock& clock) : m_clock(clock), m_line(clock) {
        connect(&m_line, &ClockTimer::timeout, this, &FakeTransport::answerNow);
    }

    // Replies for the next exchanges, in order. A null QByteArray means nothing arrives;
    // once the script has run out, every exchange gets the code's answer.
    void reply(const QByteArray& bytes) { m_replies.append(bytes); }
    // The reply to every frame of `code` once the script has run out, as a recorder would
    // answer it; nothing for a code without one.
    void answer(int code, const QByteArray& bytes) { m_answers[code] = bytes; }
    // Runs while each exchange waits for its reply, as the event loop would meanwhile.
    void duringExchange(std::function<void()> hook) { m_hook = std::move(hook); }

    void exchange(const QString& portPath, const QByteArray& frame, int expected,
                  Done done) override {
        if (m_done) {
            ++m_refused;
            done({ExchangeOutcome::Ending::Busy, {}});
            return;
        }
        m_calls.append({portPath, frame, expected, m_clock.elapsedMs()});
        m_done = std::move(done);
        m_line.start(0);
    }

    [[nodiscard]] const QList<Call>& calls() const { return m_calls; }
    [[nodiscard]] QList<int> codes() const {
        QList<int> out;
        for (const Call& c : m_calls)
            out.append(static_cast<quint8>(c.frame.at(3)));
        return out;
    }
    // Exchanges asked for while another still ran: none, when the busy state works.
    [[nodiscard]] int refused() const { return m_refused; }

private:
    void answerNow() {
        if (m_hook)
            m_hook();
        const Call& call = m_calls.last();
        const int code = static_cast<quint8>(call.frame.at(3));
        const QByteArray bytes = !m_replies.isEmpty() ? m_replies.takeFirst()
                                                      : m_answers.value(code, QByteArray());
        ExchangeOutcome outcome;
        if (!bytes.isEmpty() && call.expected >= 1) {
            emit receivedSoFar(static_cast<int>(bytes.size()));
            outcome = {ExchangeOutcome::Ending::Reply, bytes};
        }
        const Done done = std::move(m_done);
        m_done = {};
        done(outcome);
    }

    StepClock& m_clock;
    ClockTimer m_line;
    QList<QByteArray> m_replies;
    QHash<int, QByteArray> m_answers;
    QList<Call> m_calls;
    std::function<void()> m_hook;
    Done m_done;
    int m_refused = 0;
};
