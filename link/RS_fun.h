#pragma once

#include <QByteArray>

#include <optional>

class Clock;
class Transport;
struct LinkState;

// The one routine that gives the recorder a command: it builds the frame, lets the
// transport carry it, finds the reply and decodes the information and data replies into
// the link state. It shows nothing; callers decide what to tell the user.
class RS_fun {
public:
    RS_fun(LinkState& state, Transport& transport, Clock& clock);

    // True when the reply carried the marker (and, for the information and data commands,
    // was decoded). False when the code is unknown, another command is still running, or
    // no marker arrived. Most callers act the same either way, so the result may be
    // ignored.
    bool SendCommand(int code, std::optional<double> arg1 = std::nullopt,
                     std::optional<double> arg2 = std::nullopt,
                     std::optional<double> arg3 = std::nullopt);

    // True while a command is being carried out. The exchange keeps the event loop
    // running, so menus and timers can ask for a second command meanwhile; it is refused.
    [[nodiscard]] bool CommandBusy() const { return m_busy; }

    [[nodiscard]] LinkState& state() { return m_state; }
    [[nodiscard]] const LinkState& state() const { return m_state; }

private:
    void decode(int code, const QByteArray& reply, int marker);

    LinkState& m_state;
    Transport& m_transport;
    Clock& m_clock;
    bool m_busy = false;
};
