#include "link/RS_fun.h"

#include "common/Clock.h"
#include "common/ClockTimer.h"
#include "link/CommandTable.h"
#include "link/LinkState.h"
#include "link/ReplyDecoder.h"
#include "link/Transport.h"

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

RS_fun::ExchangeHold& RS_fun::ExchangeHold::operator=(ExchangeHold&& other) noexcept {
    if (this != &other) {
        if (m_busy)
            *m_busy = false;
        m_busy = other.m_busy;
        other.m_busy = nullptr;
    }
    return *this;
}

RS_fun::ExchangeHold::~ExchangeHold() {
    if (m_busy)
        *m_busy = false;
}

RS_fun::RS_fun(LinkState& state, Transport& transport, Clock& clock, QObject* parent)
    : QObject(parent), m_state(state), m_transport(transport), m_clock(clock),
      m_grace(new ClockTimer(clock, this)) {
    connect(&transport, &Transport::receivedSoFar, this, &RS_fun::bytesReceived);
    connect(m_grace, &ClockTimer::timeout, this, &RS_fun::judge);
}

RS_fun::~RS_fun() = default;

std::optional<RS_fun::ExchangeHold> RS_fun::Hold() {
    if (m_busy)
        return std::nullopt;
    return ExchangeHold(m_busy);
}

void RS_fun::SendCommand(int code, QObject* context, Done done, const FrameArgs& args) {
    Running running{code, 0, context, context != nullptr, std::move(done), Hold(), {}};
    if (!running.ownHold) {
        answer(running, {});
        return;
    }
    send(std::move(running), args);
}

void RS_fun::SendCommand(const ExchangeHold& /*hold*/, int code, QObject* context, Done done,
                         const FrameArgs& args) {
    send({code, 0, context, context != nullptr, std::move(done), std::nullopt, {}}, args);
}

void RS_fun::send(Running running, const FrameArgs& args) {
    const std::optional<int> expected = ExpectedReplyLength(running.code);
    // One command at a time, even within a hold.
    if (!expected || m_running) {
        running.ownHold.reset();
        answer(running, {});
        return;
    }
    running.expected = *expected;
    const QByteArray frame = BuildCommandFrame(running.code, m_clock.now(), args);
    m_running = std::move(running);
    m_transport.exchange(m_state.Ports.PathFor(m_state.ComPortNo), frame, *expected,
                         [this](const ExchangeOutcome& outcome) { replied(outcome); });
}

void RS_fun::replied(const ExchangeOutcome& outcome) {
    // The line was still taken: nothing went out, and nothing can come back.
    if (outcome.ending == ExchangeOutcome::Ending::Busy) {
        judge();
        return;
    }
    m_running->reply =
        outcome.ending == ExchangeOutcome::Ending::Reply ? outcome.bytes : QByteArray();
    const int last = m_running->reply.isEmpty() ? 0 : int(m_running->reply.size()) - 1;
    if (last < m_running->expected) {
        m_grace->start(ShortReplyGraceMs);
        return;
    }
    judge();
}

void RS_fun::judge() {
    Running running = std::move(*m_running);
    m_running.reset();
    const CommandResult result = decode(running.code, running.reply);
    running.ownHold.reset();
    answer(running, result);
}

void RS_fun::answer(Running& running, const CommandResult& result) {
    if (running.done && (!running.guarded || running.context))
        running.done(result);
}

CommandResult RS_fun::decode(int code, const QByteArray& reply) {
    CommandResult result;
    const int marker = FindReplyMarker(reply);
    if (marker < 0)
        return result;
    if (code == ReadInfo) {
        result.info = DecodeDeviceInfo(reply, marker);
    } else if (code == ReadData) {
        std::optional<QStringList> readings = DecodeDataBlock(reply, marker);
        // A block cut short is no block at all.
        if (!readings)
            return result;
        result.readings = std::move(*readings);
    }
    // The setting commands' replies carry nothing the program uses beyond the marker.
    result.ok = true;
    return result;
}
