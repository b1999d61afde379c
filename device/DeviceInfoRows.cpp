#include "device/DeviceInfoRows.h"

#include "common/NumberText.h"
#include "link/DeviceInfo.h"

QList<std::pair<QString, QString>> DeviceInfoRows(DeviceInfo& info) {
    if (Val(info.powerOffMin.value_or(QString())) == 0)
        info.powerOffMin = QStringLiteral("5");
    return {
        {QStringLiteral("记录仪名称："), QStringLiteral("Tenvaro(R)便携记忆型电子测温记录仪")},
        {QStringLiteral("设备序列号："), info.serial},
        {QStringLiteral("格式化信息："), info.formatState},
        {QStringLiteral("最后储存地址："), info.lastAddr},
        {QStringLiteral("误差自动修正值："), info.errCorr},
        {QStringLiteral("空闲自动关机时间(分钟)："), *info.powerOffMin},
        {QStringLiteral("上次上传时间："), info.uploadTime},
    };
}
