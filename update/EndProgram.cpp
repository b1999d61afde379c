#include "update/EndProgram.h"

#include <cstdlib>

void EndProgramAtOnce() {
    std::_Exit(0);
}
