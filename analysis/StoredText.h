#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace analysis {

// How the analysis tables hold values: every column is text, as in the rest of the file.
namespace StoredText {

[[nodiscard]] QString ofDateTime(const QDateTime& value);
// Invalid for empty or unreadable text.
[[nodiscard]] QDateTime toDateTime(const QString& text);

[[nodiscard]] QString ofNumber(std::optional<double> value);
// Empty for empty or unreadable text.
[[nodiscard]] std::optional<double> toNumber(const QString& text);

} // namespace StoredText

} // namespace analysis
