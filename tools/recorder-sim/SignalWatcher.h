#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal, so the run ends through the event loop
// and everything is closed in order.
class SignalWatcher : public QObject {
    Q_OBJECT

signals:
    void stopRequested();

public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

    [[nodiscard]] bool install();

private:
    QSocketNotifier* m_notifier = nullptr;
};
