#pragma once

#include <QByteArray>
#include <QString>

// Carries one command frame to the recorder and collects the reply.
class Transport {
public:
    virtual ~Transport() = default;

    // Sends the first Sd_Numbs bytes of OutData, then collects the reply until more than
    // Rcv_Numbs bytes are waiting or the line stays quiet. indata is replaced by every
    // byte received, and left untouched when nothing was read (Rcv_Numbs below 1, or the
    // port could not be used). msg0 and msg1 are the caller's notes, for diagnostics.
    virtual void Send_Rec(int Sd_Numbs, const QByteArray& OutData, const QString& msg0,
                          int Rcv_Numbs, QByteArray& indata, const QString& msg1) = 0;
};
