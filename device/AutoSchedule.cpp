#include "device/AutoSchedule.h"

#include "link/CommandTable.h"

AutoStepAction AutoScheduleAt(int step) {
    switch (step) {
    case 0:
        return {QStringLiteral("得到信息"), ReadInfo, {}, false};
    case 3:
        return {QStringLiteral("清空片内所有数据"), ClearChip, {}, false};
    case 38:
        return {QStringLiteral("设置序列号"), SetSerialNo, {}, false};
    case 41:
        return {QStringLiteral("设置上传时间"), SetUploadTime, {}, false};
    case 44:
        return {QStringLiteral("标定误差"), CalibrateError, {}, false};
    case 47:
        return {QStringLiteral("得到信息"), ReadInfo, {}, false};
    case 49:
        return {QString(), SetPowerOffDelay, 5.0, false};
    case 51:
        return {QString(), std::nullopt, std::nullopt, true};
    default:
        return {};
    }
}
