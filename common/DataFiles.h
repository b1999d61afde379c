#pragma once

#include <QString>

// Where the program finds the files it ships with (the report template and the like).
// Run from its build tree they sit beside the program; installed, the program lives in
// bin/ and its data in ../share/thermbook/, which is also how it knows it is installed.
namespace DataFiles {

[[nodiscard]] bool IsInstalled(const QString& programFolder);
// The folder of the shipped data files, ending in "/".
[[nodiscard]] QString Folder(const QString& programFolder);
[[nodiscard]] QString Path(const QString& programFolder, const QString& fileName);

} // namespace DataFiles
