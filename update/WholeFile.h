#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole file at `path`, through a temporary file that is renamed into
// place only when everything is written, so a failure never leaves a partial file under
// that name. Creates the folder when needed. True when the file is in place.
[[nodiscard]] bool WriteWholeFile(const QString& path, const QByteArray& bytes);
