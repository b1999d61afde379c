#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

// The master end of a pseudo-terminal. The slave end is put in raw mode, so no byte is
// translated, and is held open here as well, so the terminal does not hang up when a
// client closes it and later clients find it as they left it.
class PtyLink : public QObject {
    Q_OBJECT

signals:
    void received(const QByteArray& bytes);

public:
    explicit PtyLink(QObject* parent = nullptr);
    ~PtyLink() override;

    [[nodiscard]] bool open(QString* error);
    [[nodiscard]] QString slavePath() const { return m_slavePath; }

    // Sends bytes, byte i no earlier than i * nsNumerator / nsDenominator nanoseconds
    // after this call (0 / 1 sends at once). Each byte's time is reckoned from the
    // start on a monotonic clock, so timer lateness never adds up. Whatever is left of
    // an earlier send is dropped: the client has moved on to a new command.
    void send(const QByteArray& bytes, qint64 nsNumerator, qint64 nsDenominator);

private:
    void readAvailable();
    void pump();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QTimer m_paceTimer;
    QElapsedTimer m_clock;
    QByteArray m_out;
    qsizetype m_written = 0;
    qint64 m_startNs = 0;
    qint64 m_nsNumerator = 0;
    qint64 m_nsDenominator = 1;
};
