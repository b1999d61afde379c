#pragma once

#include "link/RS_fun.h"

#include <QObject>

#include <optional>

class Clock;
class ClockTimer;

// Clears the recorder's memory: the command, then a minute for the recorder to erase,
// counted second by second. The recorder may be erasing even when its answer was lost, so
// it gets the whole time either way. The link stays held until the end: a recorder that
// is erasing answers nothing, and the waiting panel is the format's meanwhile.
class FormatWait : public QObject {
    Q_OBJECT

signals:
    // A second of the wait begins: 2..60, for the progress display.
    void second(int step);
    // The wait is over and the link free again; `answered` when the recorder answered the
    // command.
    void finished(bool answered);

public:
    FormatWait(RS_fun& rs, Clock& clock, QObject* parent = nullptr);

    // Sends the command; false, with nothing sent, while the link is busy.
    [[nodiscard]] bool start();

    static constexpr int LastStep = 60;

private:
    void commandEnded(const CommandResult& result);
    void tick();

    RS_fun& m_rs;
    ClockTimer* m_seconds;
    std::optional<RS_fun::ExchangeHold> m_hold;
    int m_step = 0;
    bool m_answered = false;
};
