#pragma once

#include "link/Transport.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <functional>

// Hands the command layer scripted replies and records every frame it was given.
class FakeTransport : public Transport {
public:
    struct Call {
        int sendCount;
        QByteArray frame;
        int expected;
    };

    // Replies for the next exchanges, in order. A null QByteArray leaves indata untouched
    // (nothing read); once the script runs out, every exchange reads nothing.
    void reply(const QByteArray& bytes) { m_replies.append(bytes); }
    // The reply to every frame of `code` once the script has run out, as a recorder would
    // answer it.
    void answer(int code, const QByteArray& bytes) { m_answers[code] = bytes; }
    // Runs during every exchange, as the event loop would while a reply comes in.
    void duringExchange(std::function<void()> hook) { m_hook = std::move(hook); }

    void Send_Rec(int Sd_Numbs, const QByteArray& OutData, const QString&, int Rcv_Numbs,
                  QByteArray& indata, const QString&) override {
        m_calls.append({Sd_Numbs, OutData, Rcv_Numbs});
        ++m_depth;
        m_maxDepth = std::max(m_maxDepth, m_depth);
        if (m_hook)
            m_hook();
        --m_depth;
        const int code = static_cast<quint8>(OutData.at(3));
        const QByteArray next = !m_replies.isEmpty() ? m_replies.takeFirst()
                                                     : m_answers.value(code, QByteArray());
        if (!next.isNull() && Rcv_Numbs >= 1)
            indata = next;
    }

    [[nodiscard]] const QList<Call>& calls() const { return m_calls; }
    [[nodiscard]] QList<int> codes() const {
        QList<int> out;
        for (const Call& c : m_calls)
            out.append(static_cast<quint8>(c.frame.at(3)));
        return out;
    }
    // The deepest nesting of exchanges seen: more than 1 means one started inside another.
    [[nodiscard]] int maxDepth() const { return m_maxDepth; }

private:
    QList<QByteArray> m_replies;
    QHash<int, QByteArray> m_answers;
    QList<Call> m_calls;
    std::function<void()> m_hook;
    int m_depth = 0;
    int m_maxDepth = 0;
};
