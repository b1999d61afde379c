#pragma once

#include <QByteArray>

#include <optional>

class Clock;
class Transport;
struct LinkState;

// The one routine that gives the recorder a command: it builds the frame, lets the
// transport carry it, finds the reply and decodes the information and data replies into
// the link state. It shows nothing; callers decide what to tell the user.
//
// It also keeps the link's one busy state. The exchange keeps the event loop running, so
// menus and timers can ask for a command while another runs; such a command is refused.
// A caller that needs several commands in a row without anyone cutting in (the port
// search) takes an ExchangeHold and sends its commands through it.
class RS_fun {
public:
    // Keeps the link busy for as long as it lives.
    class ExchangeHold {
    public:
        ~ExchangeHold();
        ExchangeHold(const ExchangeHold&) = delete;
        ExchangeHold& operator=(const ExchangeHold&) = delete;
        ExchangeHold(ExchangeHold&& other) noexcept;
        ExchangeHold& operator=(ExchangeHold&&) = delete;

    private:
        friend class RS_fun;
        explicit ExchangeHold(bool& busy);
        bool* m_busy;
    };

    using Args = std::optional<double>;

    RS_fun(LinkState& state, Transport& transport, Clock& clock);

    // The link, held for the caller; empty while another exchange runs.
    [[nodiscard]] std::optional<ExchangeHold> Hold();

    // True when the reply carried the marker (and, for the information and data commands,
    // was decoded). False when the code is unknown, another command is still running, no
    // marker arrived, or a data block ended before its last reading. Most callers act the same
    // either way, so the result may be ignored.
    bool SendCommand(int code, Args arg1 = std::nullopt, Args arg2 = std::nullopt,
                     Args arg3 = std::nullopt);
    // The same, within a hold the caller already has.
    bool SendCommand(const ExchangeHold& hold, int code, Args arg1 = std::nullopt,
                     Args arg2 = std::nullopt, Args arg3 = std::nullopt);

    [[nodiscard]] bool CommandBusy() const { return m_busy; }

    [[nodiscard]] LinkState& state() { return m_state; }
    [[nodiscard]] const LinkState& state() const { return m_state; }
    [[nodiscard]] Clock& clock() { return m_clock; }

private:
    // False when the reply is a data block cut short, which is no block at all.
    [[nodiscard]] bool decode(int code, const QByteArray& reply, int marker);

    LinkState& m_state;
    Transport& m_transport;
    Clock& m_clock;
    bool m_busy = false;
};
