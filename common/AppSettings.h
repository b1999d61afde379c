#pragma once

#include <QString>

// The per-user settings store: application, section, key and a text value.
// Numbers (twips) are stored as their decimal text.
namespace AppSettings {

[[nodiscard]] QString GetSetting(const QString& application, const QString& section,
                                 const QString& key, const QString& defaultValue = {});
// False when the value could not be written to the settings file.
bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);
// The settings file, for messages.
[[nodiscard]] QString FileName(const QString& application);

// Reads a stored number; a missing or unreadable value gives the default.
[[nodiscard]] int GetNumber(const QString& application, const QString& section, const QString& key,
                            int defaultValue);

} // namespace AppSettings
