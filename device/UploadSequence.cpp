#include "device/UploadSequence.h"

#include "link/CommandTable.h"
#include "link/RS_fun.h"

UploadSequence::UploadSequence(RS_fun& rs, QObject* parent) : QObject(parent), m_rs(rs) {
    connect(&rs, &RS_fun::bytesReceived, this, [this](int count) {
        if (m_receivingBlock)
            m_bytesReceived = count;
    });
}

void UploadSequence::start() {
    m_receivingBlock = true;
    m_bytesReceived = 0;
    m_readings.clear();
    m_rs.SendCommand(ReadData, this, [this](const CommandResult& result) { blockRead(result); });
}

void UploadSequence::blockRead(const CommandResult& result) {
    m_receivingBlock = false;
    m_readings = result.readings;
    emit blockEnded(result.ok);
    // The recorder notes this moment as its last upload, whatever became of the block.
    m_rs.SendCommand(SetUploadTime, this, [this](const CommandResult&) { timeStamped(); });
}

void UploadSequence::timeStamped() {
    emit stamped(m_readings);
    m_rs.SendCommand(ReadInfo, this,
                     [this](const CommandResult& result) { emit finished(result); });
}
