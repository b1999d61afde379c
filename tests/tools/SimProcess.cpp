#include "tests/tools/SimProcess.h"

#include <QDeadlineTimer>

#include <csignal>

SimProcess::SimProcess(const QStringList& arguments) {
    m_process.start(QStringLiteral(RECORDER_SIM), arguments);
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && !m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(
                static_cast<int>(qMax<qint64>(1, deadline.remainingTime())))) {
            break;
        }
    }
    if (m_process.canReadLine()) {
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
}

SimProcess::~SimProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool SimProcess::stop(int signal) {
    if (m_process.state() == QProcess::NotRunning) {
        return true;
    }
    ::kill(static_cast<pid_t>(m_process.processId()), signal);
    return m_process.waitForFinished(5000);
}

bool SimProcess::signalAndWaitFor(int signal, const QString& line) {
    ::kill(static_cast<pid_t>(m_process.processId()), signal);
    QDeadlineTimer deadline(5000);
    while (!log().contains(line)) {
        if (deadline.hasExpired() ||
            !m_process.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())))) {
            return log().contains(line);
        }
    }
    return true;
}

QString SimProcess::log() {
    m_err += m_process.readAllStandardError();
    return QString::fromLocal8Bit(m_err);
}

SimProcess::Finished SimProcess::runToEnd(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(RECORDER_SIM), arguments);
    Finished f;
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
        return f;
    }
    f.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    f.out = process.readAllStandardOutput();
    f.err = QString::fromLocal8Bit(process.readAllStandardError());
    return f;
}
