#pragma once

#include "link/DeviceInfo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Position of the first EF EE ED in `reply`, or -1. Bytes before it are line noise.
[[nodiscard]] int FindReplyMarker(const QByteArray& reply);

// Decodes the information reply whose marker starts at `marker`.
[[nodiscard]] DeviceInfo DecodeDeviceInfo(const QByteArray& reply, int marker);

// Decodes the data block whose marker starts at `marker` into the 999 reading texts. A block that
// ends before its last reading gives nothing: a recorder pulled out mid-block has sent no upload,
// and readings that never arrived must not be shown or stored as if they had.
[[nodiscard]] std::optional<QStringList> DecodeDataBlock(const QByteArray& reply, int marker);

// One reading from its two bytes: the integer part is stored as degrees + 100. Outside
// -20..130 degrees the reading is "E1".
[[nodiscard]] QString ReadingText(quint8 integerByte, quint8 fractionByte);

// The number of readings in a data block.
inline constexpr int ReadingCount = 999;
