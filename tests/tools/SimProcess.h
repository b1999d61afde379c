#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the recorder simulator: started with the given options, it reads the
// terminal path from the first line of standard output.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The terminal path, or empty when the simulator did not start within a few seconds.
    [[nodiscard]] QString path() const { return m_path; }

    // Sends a signal and waits for the end; false when it did not end in time.
    [[nodiscard]] bool stop(int signal);
    // Sends a signal and waits until the log holds `line`; false when it did not in time.
    [[nodiscard]] bool signalAndWaitFor(int signal, const QString& line);
    [[nodiscard]] int exitCode() const { return m_process.exitCode(); }
    [[nodiscard]] QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }

    // Everything written to standard error; complete once the run has stopped.
    [[nodiscard]] QString log();

    // Runs the simulator to its end (for options that should make it refuse to start).
    struct Finished {
        int exitCode = -1;
        QByteArray out;
        QString err;
    };
    [[nodiscard]] static Finished runToEnd(const QStringList& arguments);

private:
    QProcess m_process;
    QString m_path;
    QByteArray m_err;
};
