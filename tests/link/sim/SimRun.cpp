#include "tests/link/sim/SimRun.h"

#include <QFile>
#include <QTest>

#include <csignal>
#include <cstdio>

SimRun::SimRun(const QStringList& options) {
    QObject::connect(&m_process, &QProcess::readyReadStandardError, [this] {
        const QByteArray said = m_process.readAllStandardError();
        m_log += said;
        std::fputs(said.constData(), stderr);
    });
    m_process.start(QStringLiteral(RECORDER_SIM), options);
    if (!m_process.waitForStarted(5000))
        return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
    }
    m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

SimRun::~SimRun() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(3000);
}

void SimRun::signal(int number) const {
    ::kill(static_cast<pid_t>(m_process.processId()), number);
}

bool SimRun::nextRound() {
    const QByteArray moved("curves now at age");
    const int before = m_log.count(moved);
    signal(SIGUSR1);
    return QTest::qWaitFor([&] { return m_log.count(moved) > before; }, 10000);
}

QString SimRun::stateValue(const QString& stateFile, const QString& key) {
    QFile file(stateFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1).trimmed();
    return {};
}
