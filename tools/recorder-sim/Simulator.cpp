#include "tools/recorder-sim/Simulator.h"

#include "tools/recorder-sim/PtyLink.h"

#include <cstdio>

void logLine(const QString& text) {
    std::fprintf(stderr, "recorder-sim: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

ReadingTable generatedReadings(const SimOptions& options, double ageHours) {
    ReadingTable readings;
    readings.generateCuring(options.seed, ageHours);
    if (options.outOfRange) {
        readings.placeRangeEdges();
    }
    return readings;
}

Simulator::Simulator(const SimOptions& options, const Recorder& recorder, PtyLink* link,
                     QObject* parent)
    : QObject(parent), m_options(options), m_recorder(recorder), m_link(link),
      m_noiseState(options.seed * 2 + 1), m_ageHours(options.ageHours) {
    connect(m_link, &PtyLink::received, this, &Simulator::onReceived);
}

void Simulator::advance() {
    if (!m_options.readingsFile.isEmpty()) {
        logLine(QStringLiteral("readings come from %1; SIGUSR1 changes nothing")
                    .arg(m_options.readingsFile));
        return;
    }
    m_ageHours += RoundHours;
    m_recorder.setReadings(generatedReadings(m_options, m_ageHours));
    logLine(QStringLiteral("curves now at age %1 hours").arg(m_ageHours));
}

void Simulator::onReceived(const QByteArray& bytes) {
    const QList<QByteArray> frames = m_scanner.feed(bytes);
    const int skipped = m_scanner.takeDiscarded();
    if (skipped > 0) {
        logLine(QStringLiteral("skipped %1 byte(s) outside any frame").arg(skipped));
    }
    for (const QByteArray& frame : frames) {
        answer(frame);
    }
}

void Simulator::answer(const QByteArray& frame) {
    const RecorderState before = m_recorder.state();
    const Recorder::Outcome outcome = m_recorder.handle(frame);
    const QByteArray reply = shaped(outcome.reply);

    const quint8 code = static_cast<quint8>(frame.at(3));
    QString line =
        QStringLiteral("%1 %2 [%3] -> %4 byte(s)")
            .arg(code)
            .arg(Recorder::commandName(code), QString::fromLatin1(frame.toHex(' ').toUpper()))
            .arg(reply.size());
    if (!outcome.note.isEmpty()) {
        line += QStringLiteral("; ") + outcome.note;
    }
    logLine(line);

    if (!m_options.stateFile.isEmpty() && m_recorder.state() != before) {
        QString error;
        if (!m_recorder.state().save(m_options.stateFile, &error)) {
            logLine(QStringLiteral("could not save the state: %1").arg(error));
        }
    }

    if (m_options.pace) {
        m_link->send(reply, 10'000'000'000LL, 14400); // 10 bits a byte at 14400 baud
    } else {
        m_link->send(reply, m_options.dripMs * 1'000'000LL, 1);
    }
}

QByteArray Simulator::shaped(const QByteArray& reply) {
    if (m_options.silent || reply.isEmpty()) {
        return {};
    }
    QByteArray out;
    out.reserve(m_options.noiseBytes + reply.size());
    for (int i = 0; i < m_options.noiseBytes; ++i) {
        // xorshift64; bytes of the marker are skipped so noise never looks like a reply.
        quint8 b = 0;
        do {
            m_noiseState ^= m_noiseState << 13;
            m_noiseState ^= m_noiseState >> 7;
            m_noiseState ^= m_noiseState << 17;
            b = static_cast<quint8>(m_noiseState >> 24);
        } while (b >= 0xED && b <= 0xEF);
        out.append(static_cast<char>(b));
    }
    out += m_options.cutAfter >= 0 ? reply.left(m_options.cutAfter) : reply;
    return out;
}
