#pragma once

#include "link/PortNumbers.h"

#include <QString>

// What the program knows about the recorder and the port it sits on: the last decoded
// information and data block, and the byte counts of the exchange in progress or the last
// one. One object of this kind is shared by the transport (port and counts) and the
// command layer (everything else).
struct LinkState {
    // COM number of the connected recorder; 0 while not connected.
    quint8 ComPortNo = 0;
    // The COM numbers given to port paths during this run.
    PortNumbers Ports;

    QString DevSerial;
    QString DevFormatState;
    QString DevUploadTime;
    QString DevErrCorr;
    QString DevLastAddr;
    QString DevPowerOffMin;
    // The readings of the last data block, each followed by ";".
    QString UploadList;

    // Bytes received so far by the exchange in progress, refreshed on every receive turn,
    // so the upload can show its progress.
    int RecvCount = 0;
    // Bytes the last exchange received.
    int RecvLength = 0;
};
