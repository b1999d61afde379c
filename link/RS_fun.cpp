#include "link/RS_fun.h"

#include "common/Clock.h"
#include "common/Pause.h"
#include "link/CommandFrame.h"
#include "link/CommandTable.h"
#include "link/LinkState.h"
#include "link/ReplyDecoder.h"
#include "link/Transport.h"

#include <QByteArray>

namespace {

// A short or missing reply may still be on its way; the recorder gets this long.
constexpr int ShortReplyGraceMs = 1000;

} // namespace

RS_fun::ExchangeHold::ExchangeHold(bool& busy) : m_busy(&busy) {
    busy = true;
}

RS_fun::ExchangeHold::ExchangeHold(ExchangeHold&& other) noexcept : m_busy(other.m_busy) {
    other.m_busy = nullptr;
}

RS_fun::ExchangeHold::~ExchangeHold() {
    if (m_busy)
        *m_busy = false;
}

RS_fun::RS_fun(LinkState& state, Transport& transport, Clock& clock)
    : m_state(state), m_transport(transport), m_clock(clock) {}

std::optional<RS_fun::ExchangeHold> RS_fun::Hold() {
    if (m_busy)
        return std::nullopt;
    return ExchangeHold(m_busy);
}

bool RS_fun::SendCommand(int code, Args arg1, Args arg2, Args arg3) {
    const std::optional<ExchangeHold> hold = Hold();
    if (!hold)
        return false;
    return SendCommand(*hold, code, arg1, arg2, arg3);
}

bool RS_fun::SendCommand(const ExchangeHold& /*hold*/, int code, Args arg1, Args arg2,
                         Args arg3) {
    // Asking for the block makes the previous block history: whatever happens now, it
    // must not be shown or stored again as if it were this upload's readings.
    if (code == ReadData)
        m_state.UploadList.clear();
    const std::optional<int> expected = ExpectedReplyLength(code);
    if (!expected)
        return false;

    const QByteArray frame = BuildCommandFrame(code, m_clock.now(), {arg1, arg2, arg3});
    QByteArray reply;
    m_transport.Send_Rec(static_cast<int>(frame.size()), frame, QStringLiteral("send..."),
                         *expected, reply, QStringLiteral("receiving"));

    const int last = reply.isEmpty() ? 0 : static_cast<int>(reply.size()) - 1;
    if (last < *expected) {
        Pause(m_clock, ShortReplyGraceMs);
        if (last < 1)
            return false;
    }
    const int marker = FindReplyMarker(reply);
    if (marker < 0)
        return false;
    return decode(code, reply, marker);
}

bool RS_fun::decode(int code, const QByteArray& reply, int marker) {
    if (code == ReadInfo) {
        DeviceInfo info = DecodeDeviceInfo(reply, marker);
        m_state.DevSerial = info.serial;
        m_state.DevFormatState = info.formatState;
        m_state.DevUploadTime = info.uploadTime;
        m_state.DevErrCorr = info.errCorr;
        m_state.DevLastAddr = info.lastAddr;
        if (info.powerOffMin)
            m_state.DevPowerOffMin = *info.powerOffMin;
    } else if (code == ReadData) {
        const std::optional<QString> block = DecodeDataBlock(reply, marker);
        if (!block)
            return false;
        m_state.UploadList = *block;
    }
    // The setting commands' replies carry nothing the program uses beyond the marker.
    return true;
}
