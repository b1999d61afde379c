#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal, so the run ends through the event loop
// and everything is closed in order; SIGUSR1 asks for the next measuring round.
class SignalWatcher : public QObject {
    Q_OBJECT

signals:
    void stopRequested();
    void advanceRequested();

public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

    // Watches SIGTERM, SIGINT and SIGUSR1.
    [[nodiscard]] bool install();

private:
    QSocketNotifier* m_notifier = nullptr;
};
