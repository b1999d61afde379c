#pragma once

#include "link/CommandResult.h"

#include <QObject>
#include <QStringList>

class RS_fun;

// One upload, start to end: the data block, then the upload time stamped in the recorder
// whatever became of the block, then the information again, which now carries that stamp.
// The window shows and saves the readings between the stamp and the information.
class UploadSequence : public QObject {
    Q_OBJECT

signals:
    // The block's exchange is over; `whole` when all 999 readings came.
    void blockEnded(bool whole);
    // The stamp is sent. `readings` are the block's 999 texts, or none when it failed.
    void stamped(const QStringList& readings);
    void finished(const CommandResult& information);

public:
    explicit UploadSequence(RS_fun& rs, QObject* parent = nullptr);

    void start();

    // While the block comes in: the bytes received so far, for the percentage.
    [[nodiscard]] bool receivingBlock() const { return m_receivingBlock; }
    [[nodiscard]] int bytesReceived() const { return m_bytesReceived; }

private:
    void blockRead(const CommandResult& result);
    void timeStamped();

    RS_fun& m_rs;
    bool m_receivingBlock = false;
    int m_bytesReceived = 0;
    QStringList m_readings;
};
