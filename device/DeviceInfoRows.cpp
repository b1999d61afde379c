#include "device/DeviceInfoRows.h"

#include "common/NumberText.h"
#include "link/LinkState.h"

QList<std::pair<QString, QString>> DeviceInfoRows(LinkState& state) {
    if (Val(state.DevPowerOffMin) == 0)
        state.DevPowerOffMin = QStringLiteral("5");
    return {
        {QStringLiteral("记录仪名称："), QStringLiteral("Tenvaro(R)便携记忆型电子测温记录仪")},
        {QStringLiteral("设备序列号："), state.DevSerial},
        {QStringLiteral("格式化信息："), state.DevFormatState},
        {QStringLiteral("最后储存地址："), state.DevLastAddr},
        {QStringLiteral("误差自动修正值："), state.DevErrCorr},
        {QStringLiteral("空闲自动关机时间(分钟)："), state.DevPowerOffMin},
        {QStringLiteral("上次上传时间："), state.DevUploadTime},
    };
}
