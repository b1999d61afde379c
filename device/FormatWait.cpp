#include "device/FormatWait.h"

#include "common/Pause.h"
#include "link/CommandTable.h"
#include "link/RS_fun.h"

namespace {

constexpr int LastStep = 60;

} // namespace

bool FormatRecorder(RS_fun& rs, const std::function<void(int)>& second) {
    const bool answered = rs.SendCommand(FormatData);
    for (int step = 2; step <= LastStep; ++step) {
        second(step);
        Pause(rs.clock(), 1000);
    }
    return answered;
}
