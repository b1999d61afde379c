#pragma once

class Clock;

// Waits ms milliseconds of the clock's time while the event loop keeps running, so the
// window repaints and its timers tick during long device waits.
void Pause(Clock& clock, int ms);
