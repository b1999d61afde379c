#pragma once

#include "link/LinkState.h"
#include "link/RS_fun.h"
#include "tests/link/fakes/FakeTransport.h"
#include "tests/link/fakes/StepClock.h"

// The command routine wired to a scripted line and a clock that moves only when slept on:
// a fresh one per test case.
struct FakeLink {
    LinkState state;
    FakeTransport transport;
    StepClock clock;
    RS_fun rs{state, transport, clock};
};
