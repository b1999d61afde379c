#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A store of one pour written by the version before pours (tables 浇筑信息, 站点角色 and
// 限值组, stations 0001 and 0002, sensor 7 the air), and what that version worked out of
// it, as PourDump gives it at now().
namespace OlderStore {

// A copy of the file in `folder`, to open and change.
[[nodiscard]] QString copyTo(const QString& folder);
[[nodiscard]] QStringList figures();
[[nodiscard]] QDateTime now();

} // namespace OlderStore
