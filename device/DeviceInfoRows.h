#pragma once

#include <QList>
#include <QString>

#include <utility>

struct DeviceInfo;

// The seven label/value rows of the device information list, from the last decoded
// information. A power-off time of 0 (the recorder's "not set", or nothing read yet) is
// shown as the recorder's default of 5 minutes, and written back so the power-off dialog
// starts from the same value.
[[nodiscard]] QList<std::pair<QString, QString>> DeviceInfoRows(DeviceInfo& info);
