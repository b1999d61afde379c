#pragma once

#include "FakeTransport.h"
#include "LinkState.h"
#include "RS_fun.h"
#include "StepClock.h"

// The command routine wired to a scripted line and a clock that moves only when slept on:
// a fresh one per test case.
struct FakeLink {
    LinkState state;
    FakeTransport transport;
    StepClock clock;
    RS_fun rs{state, transport, clock};
};
