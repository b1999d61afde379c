#pragma once

#include "link/CommandFrame.h"
#include "link/CommandResult.h"
#include "link/ExchangeOutcome.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class Clock;
class ClockTimer;
class Transport;
struct LinkState;

// The one routine that gives the recorder a command: it builds the frame, lets the
// transport carry it, finds the reply and decodes the information and data replies for
// the caller. It shows nothing; callers decide what to tell the user.
//
// It also keeps the link's one busy state: one command at a time, and a command given
// while another runs is refused. A caller that needs several commands in a row without
// anyone cutting in (the port search, the format) takes an ExchangeHold and sends its
// commands through it.
class RS_fun : public QObject {
    Q_OBJECT

signals:
    // Bytes the running command's reply has brought so far; 0 as the listening starts.
    void bytesReceived(int count);

public:
    // Keeps the link busy for as long as it lives.
    class ExchangeHold {
    public:
        ~ExchangeHold();
        ExchangeHold(const ExchangeHold&) = delete;
        ExchangeHold& operator=(const ExchangeHold&) = delete;
        ExchangeHold(ExchangeHold&& other) noexcept;
        ExchangeHold& operator=(ExchangeHold&& other) noexcept;

    private:
        friend class RS_fun;
        explicit ExchangeHold(bool& busy);
        bool* m_busy;
    };

    using Done = std::function<void(const CommandResult&)>;

    RS_fun(LinkState& state, Transport& transport, Clock& clock, QObject* parent = nullptr);
    ~RS_fun() override;

    // The link, held for the caller; empty while another exchange runs.
    [[nodiscard]] std::optional<ExchangeHold> Hold();

    // Gives the recorder one command. `done` receives the result exactly once, unless
    // `context` is gone by then: at once when the command is refused (another one runs, or
    // the code is not the recorder's), otherwise once the reply has been judged.
    void SendCommand(int code, QObject* context = nullptr, Done done = {},
                     const FrameArgs& args = {});
    // The same, within a hold the caller already has.
    void SendCommand(const ExchangeHold& hold, int code, QObject* context, Done done,
                     const FrameArgs& args = {});

    [[nodiscard]] bool CommandBusy() const { return m_busy; }

    [[nodiscard]] LinkState& state() { return m_state; }

private:
    // One command on its way.
    struct Running {
        int code = 0;
        int expected = 0;
        QPointer<QObject> context;
        bool guarded = false;
        Done done;
        // The hold taken for a caller that had none; released as the command ends.
        std::optional<ExchangeHold> ownHold;
        QByteArray reply;
    };

    void send(Running running, const FrameArgs& args);
    void replied(const ExchangeOutcome& outcome);
    void judge();
    [[nodiscard]] static CommandResult decode(int code, const QByteArray& reply);
    static void answer(Running& running, const CommandResult& result);

    LinkState& m_state;
    Transport& m_transport;
    Clock& m_clock;
    // Waits out the grace of a short reply.
    ClockTimer* m_grace;
    bool m_busy = false;
    std::optional<Running> m_running;
};
