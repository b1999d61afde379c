#pragma once

#include "link/ExchangeOutcome.h"

#include <QObject>
#include <QString>

#include <functional>

// Carries one command frame to the recorder and collects the reply, one exchange at a time.
class Transport : public QObject {
    Q_OBJECT

signals:
    // Bytes the running exchange has received so far; 0 as it starts to listen.
    void receivedSoFar(int count);

public:
    using Done = std::function<void(const ExchangeOutcome&)>;

    using QObject::QObject;

    // Sends `frame` on the port at `portPath`, then collects the reply until MORE than
    // `expected` bytes have arrived or the line stays quiet; with `expected` below 1 nothing
    // is read. `done` receives the outcome exactly once: a refusal while another exchange
    // runs comes at once, every other outcome after this has returned.
    virtual void exchange(const QString& portPath, const QByteArray& frame, int expected,
                          Done done) = 0;
};
