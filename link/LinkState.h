#pragma once

#include "link/PortNumbers.h"

// Where the recorder is: the port it was found on and whether the program counts itself
// linked to it. The transport reads the port, the connect command sets both.
struct LinkState {
    // COM number of the recorder; 0 while none was found.
    quint8 ComPortNo = 0;
    // Whether the device commands are offered. Switching the recorder off ends the link
    // but keeps ComPortNo, so the factory commands still reach the recorder.
    bool Linked = false;
    // The COM numbers given to port paths during this run.
    PortNumbers Ports;
};
