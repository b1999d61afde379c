#include "tools/recorder-sim/Recorder.h"

namespace {

const QByteArray& marker() {
    static const QByteArray m("\xEF\xEE\xED", 3);
    return m;
}

quint8 byteAt(const QByteArray& frame, int offset) {
    return static_cast<quint8>(frame.at(offset));
}

} // namespace

Recorder::Recorder(const RecorderState& state, const ReadingTable& readings, bool exactDataBlock)
    : m_state(state), m_readings(readings), m_exactDataBlock(exactDataBlock) {
    if (m_state.readingsCleared) {
        m_readings.clear();
    }
}

void Recorder::setReadings(const ReadingTable& readings) {
    if (!m_state.readingsCleared) {
        m_readings = readings;
    }
}

QString Recorder::commandName(quint8 code) {
    switch (code) {
    case 243:
        return QStringLiteral("ReadInfo");
    case 244:
        return QStringLiteral("SetSerialNo");
    case 245:
        return QStringLiteral("FormatData");
    case 246:
        return QStringLiteral("ReadData");
    case 247:
        return QStringLiteral("SetUploadTime");
    case 248:
        return QStringLiteral("PowerOff");
    case 249:
        return QStringLiteral("ClearChip");
    case 252:
        return QStringLiteral("CalibrateError");
    case 253:
        return QStringLiteral("SetPowerOffDelay");
    case 255:
        return QStringLiteral("WakeUp");
    default:
        return QStringLiteral("unknown");
    }
}

Recorder::Outcome Recorder::handle(const QByteArray& frame) {
    Outcome out;
    if (frame.size() != 10) {
        out.note = QStringLiteral("not a frame");
        return out;
    }
    switch (byteAt(frame, 3)) {
    case 243:
        out.reply = infoReply();
        break;
    case 246:
        out.reply = dataReply();
        break;
    case 244:
        // A fresh serial number made of the frame's six date-time bytes: unique enough
        // for a factory that prepares one recorder at a time.
        for (int i = 0; i < 6; ++i) {
            m_state.serial.at(static_cast<size_t>(i)) = byteAt(frame, 4 + i);
        }
        out.reply = statusReply(0);
        break;
    case 245:
        clearReadings();
        out.reply = statusReply(0);
        break;
    case 247:
        for (int i = 0; i < 5; ++i) {
            m_state.uploadTime.at(static_cast<size_t>(i)) = byteAt(frame, 4 + i);
        }
        out.reply = statusReply(0);
        break;
    case 248:
        out.note = QStringLiteral("would switch off; keeps answering");
        out.reply = statusReply(0);
        break;
    case 249:
        // The whole memory chip is erased, so identity, upload time and calibration go
        // with the readings; the factory sequence sets them again afterwards.
        clearReadings();
        m_state.serial.fill(0);
        m_state.uploadTime.fill(0);
        m_state.errorSign = 0;
        m_state.errorMagnitude = 0;
        out.reply = statusReply(0);
        break;
    case 252:
        // Calibration against a perfect reference finds nothing to correct.
        m_state.errorSign = 1;
        m_state.errorMagnitude = 0;
        out.reply = statusReply(0);
        break;
    case 253: {
        const quint8 minutes = byteAt(frame, 4);
        if (minutes >= 1 && minutes <= 240) {
            m_state.powerOffMinutes = minutes;
            out.reply = statusReply(0);
        } else {
            out.note = QStringLiteral("refused %1 minutes, kept %2")
                           .arg(minutes)
                           .arg(m_state.powerOffMinutes);
            out.reply = statusReply(1);
        }
        break;
    }
    default: // 255 WakeUp and every unknown code get no answer
        break;
    }
    return out;
}

void Recorder::clearReadings() {
    m_readings.clear();
    m_state.readingsCleared = true;
}

QByteArray Recorder::statusReply(quint8 status) {
    return marker() + QByteArray(1, static_cast<char>(status));
}

QByteArray Recorder::infoReply() const {
    QByteArray r = marker();
    for (quint8 b : m_state.serial) {
        r.append(static_cast<char>(b));
    }
    const int address = m_readings.highestNumber();
    r.append(static_cast<char>(address == 0 ? 0 : 1));
    for (quint8 b : m_state.uploadTime) {
        r.append(static_cast<char>(b));
    }
    r.append(static_cast<char>(m_state.errorSign));
    r.append(static_cast<char>(m_state.errorMagnitude));
    r.append(static_cast<char>(address >> 8));
    r.append(static_cast<char>(address & 0xFF));
    r.append(static_cast<char>(m_state.powerOffMinutes));
    return r;
}

QByteArray Recorder::dataReply() const {
    QByteArray r = marker();
    r.reserve(2003);
    for (int n = 1; n <= ReadingTable::Count; ++n) {
        r.append(static_cast<char>(m_readings.integerByte(n)));
    }
    r.append('\0'); // the unused byte between the two halves
    for (int n = 1; n <= ReadingTable::Count; ++n) {
        r.append(static_cast<char>(m_readings.fractionByte(n)));
    }
    if (!m_exactDataBlock) {
        // The recorder sends one byte more than the block, which is what lets the
        // program stop waiting as soon as the block is in.
        r.append('\0');
    }
    return r;
}
