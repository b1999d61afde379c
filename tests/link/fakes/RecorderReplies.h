#pragma once

#include <QByteArray>

// Replies as the recorder sends them, spelled out byte by byte so a change to the decoder's
// constants cannot slip past the tests.
namespace RecorderReplies {

// Serial 0123456789AB, readings held, last upload 08-04-30 10:51, correction +5, last
// address 300, power-off 10 minutes.
inline const QByteArray Info = QByteArray::fromHex("EFEEED0123456789AB0108041E0A330105012C0A77");
inline const QByteArray Ack = QByteArray::fromHex("EFEEED00");

// A whole data block: every reading 20.0, reading 1 23.5, plus the trailing byte.
inline QByteArray DataBlock() {
    QByteArray reply = QByteArray::fromHex("EFEEED");
    reply += QByteArray(999, char(120));
    reply += QByteArray(1, '\0');
    reply += QByteArray(999, '\0');
    reply += QByteArray(1, '\0');
    reply[3] = char(123);
    reply[1003] = char(5);
    return reply;
}

} // namespace RecorderReplies
