#include "link/ReplyDecoder.h"

#include <cstdlib>

namespace {

constexpr int InfoLength = 20;

// The byte at `offset` from the marker, or nothing when the reply ended before it.
std::optional<quint8> byteAt(const QByteArray& reply, int marker, int offset) {
    const qsizetype index = qsizetype(marker) + offset;
    if (marker < 0 || index >= reply.size())
        return std::nullopt;
    return static_cast<quint8>(reply[index]);
}

// True when every byte of the field [offset, offset + width) arrived.
bool arrived(const QByteArray& reply, int marker, int offset, int width) {
    return byteAt(reply, marker, offset + width - 1).has_value();
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

quint8 at(const QByteArray& reply, int marker, int offset) {
    return static_cast<quint8>(reply[qsizetype(marker) + offset]);
}

} // namespace

int FindReplyMarker(const QByteArray& reply) {
    for (qsizetype k = 0; k + 2 < reply.size(); ++k) {
        if (static_cast<quint8>(reply[k]) == 0xEF && static_cast<quint8>(reply[k + 1]) == 0xEE &&
            static_cast<quint8>(reply[k + 2]) == 0xED)
            return static_cast<int>(k);
    }
    return -1;
}

DeviceInfo DecodeDeviceInfo(const QByteArray& reply, int marker) {
    DeviceInfo info;
    if (arrived(reply, marker, 3, 6)) {
        for (int i = 3; i < 9; ++i)
            info.serial +=
                QStringLiteral("%1").arg(at(reply, marker, i), 2, 16, QLatin1Char('0')).toUpper();
    }
    if (arrived(reply, marker, 9, 1)) {
        info.formatState = at(reply, marker, 9) == 0 ? QStringLiteral("已格式化，尚未保存数据")
                                                     : QStringLiteral("已有保存的数据");
    }
    if (arrived(reply, marker, 10, 5)) {
        const QString units = QStringLiteral("年月日时分");
        for (int i = 0; i < 5; ++i)
            info.uploadTime += twoDigits(at(reply, marker, 10 + i)) + units[i];
    }
    if (arrived(reply, marker, 15, 2)) {
        const quint8 magnitude = at(reply, marker, 16);
        const QChar sign = at(reply, marker, 15) == 0 ? QLatin1Char('-') : QLatin1Char('+');
        info.errCorr = magnitude == 0 ? QStringLiteral("0") : sign + QString::number(magnitude);
    }
    if (arrived(reply, marker, 17, 2)) {
        const int address = at(reply, marker, 17) * 256 + at(reply, marker, 18);
        info.lastAddr = address == 0 ? QStringLiteral("无数据") : QString::number(address);
    }
    if (arrived(reply, marker, InfoLength - 1, 1))
        info.powerOffMin = QString::number(at(reply, marker, 19));
    return info;
}

QString ReadingText(quint8 integerByte, quint8 fractionByte) {
    const int degrees = int(integerByte) - 100;
    if (degrees < -20 || degrees > 130)
        return QStringLiteral("E1");
    const QString whole =
        (degrees < 0 ? QStringLiteral("-") : QString()) + twoDigits(std::abs(degrees));
    return whole + QLatin1Char('.') + QString::number(fractionByte);
}

std::optional<QStringList> DecodeDataBlock(const QByteArray& reply, int marker) {
    // The fraction byte of the last reading ends the block's layout.
    if (!arrived(reply, marker, 1002 + ReadingCount, 1))
        return std::nullopt;
    QStringList readings;
    readings.reserve(ReadingCount);
    for (int j = 1; j <= ReadingCount; ++j)
        readings.append(ReadingText(at(reply, marker, 2 + j), at(reply, marker, 1002 + j)));
    return readings;
}
