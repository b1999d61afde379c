#pragma once

#include <QString>

// What the program knows about the recorder: the last decoded information and data
// block, and the byte counts of the exchange in progress or the last one. One object of
// this kind is shared by the transport (counts) and the command layer (everything else).
struct LinkState {
    QString DevSerial;
    QString DevFormatState;
    QString DevUploadTime;
    QString DevErrCorr;
    QString DevLastAddr;
    QString DevPowerOffMin;
    // The readings of the last data block, each followed by ";".
    QString UploadList;

    // Bytes waiting during the exchange in progress, refreshed on every receive turn, so
    // the upload can show its progress.
    int RecvCount = 0;
    // Bytes the last exchange received.
    int RecvLength = 0;
};
