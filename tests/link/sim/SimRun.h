#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the recorder simulator on a pseudo-terminal, for as long as this object
// lives. The simulator prints the terminal's path as its first line.
class SimRun {
public:
    explicit SimRun(const QStringList& options = {});
    ~SimRun();
    SimRun(const SimRun&) = delete;
    SimRun& operator=(const SimRun&) = delete;

    // The terminal to open, or empty when the simulator did not start.
    [[nodiscard]] QString path() const { return m_path; }

    // Sends the simulator a signal (SIGUSR1: the next measuring round).
    void signal(int number) const;
    // Moves the generated curves on to the next measuring round; false when the simulator
    // did not say so in time.
    [[nodiscard]] bool nextRound();

    // One value of a simulator state file (--state), a "key=value" line; empty when absent.
    [[nodiscard]] static QString stateValue(const QString& stateFile, const QString& key);

private:
    QProcess m_process;
    QString m_path;
    // The simulator's log so far; it is also passed on to the test's own.
    QByteArray m_log;
};
