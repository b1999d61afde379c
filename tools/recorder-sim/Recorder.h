#pragma once

#include "tools/recorder-sim/ReadingTable.h"
#include "tools/recorder-sim/RecorderState.h"

#include <QByteArray>
#include <QString>

// The recorder's side of the command protocol: takes one 10-byte frame, changes the
// state the way the command asks and returns the reply bytes (empty for no reply).
// Transport faults such as noise or cut replies are not its business.
class Recorder {
public:
    struct Outcome {
        QByteArray reply;
        QString note; // what happened, for the log
    };

    Recorder(const RecorderState& state, const ReadingTable& readings, bool exactDataBlock);

    [[nodiscard]] Outcome handle(const QByteArray& frame);

    [[nodiscard]] const RecorderState& state() const { return m_state; }

    // New readings, as the next measuring round leaves them in memory. A cleared memory
    // stays cleared, as after a format.
    void setReadings(const ReadingTable& readings);

    [[nodiscard]] static QString commandName(quint8 code);

private:
    [[nodiscard]] QByteArray infoReply() const;
    [[nodiscard]] QByteArray dataReply() const;
    [[nodiscard]] static QByteArray statusReply(quint8 status);
    void clearReadings();

    RecorderState m_state;
    ReadingTable m_readings;
    bool m_exactDataBlock;
};
