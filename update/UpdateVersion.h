#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVersionNumber>

#include <optional>

// Versions as the update compares them: three parts, each formatted with at least four
// digits, compared as text.
namespace UpdateVersion {

// Numeric text padded with leading zeros to four digits; any other text unchanged.
[[nodiscard]] QString FormatPart(const QString& value);
// The major, minor and revision of a version, each formatted.
[[nodiscard]] QStringList Parts(const QVersionNumber& version);
// The first three values of a version file (comma or line separated, maybe quoted),
// formatted; nothing when the file holds fewer than three values.
[[nodiscard]] std::optional<QStringList> ReadVersionFile(const QByteArray& content);
// True exactly when the current parts, joined with ".", sort before the online ones.
[[nodiscard]] bool IsUpdateNeeded(const QStringList& current, const QStringList& online);

} // namespace UpdateVersion
