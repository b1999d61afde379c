#pragma once

#include "link/LinkState.h"
#include "link/RS_fun.h"
#include "tests/link/fakes/FakeTransport.h"
#include "tests/link/fakes/StepClock.h"

#include <optional>

// The command routine wired to a scripted line and a clock that moves only when the test
// moves it: a fresh one per test case.
struct FakeLink {
    StepClock clock;
    LinkState state;
    FakeTransport transport{clock};
    RS_fun rs{state, transport, clock};

    // Gives one command and lets the clock run until it has ended; the result, or nothing
    // when it never ended.
    std::optional<CommandResult> send(int code, const FrameArgs& args = {}) {
        std::optional<CommandResult> result;
        rs.SendCommand(
            code, nullptr, [&result](const CommandResult& r) { result = r; }, args);
        clock.runTimers();
        return result;
    }
};
