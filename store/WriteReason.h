#pragma once

#include <QString>

// Why a file could not be written, in the user's words, from what the file system shows of
// its place: a missing folder, a read-only medium, a full disk.
namespace WriteReason {

[[nodiscard]] QString of(const QString& path);

} // namespace WriteReason
