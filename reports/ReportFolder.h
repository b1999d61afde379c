#pragma once

#include <QDateTime>
#include <QString>

// The "报表" folder under the program's documents folder, where workbooks are proposed and
// written.
namespace ReportFolder {

// The folder's path under `documentsFolder`.
[[nodiscard]] QString path(const QString& documentsFolder);
// The folder's path, made (with its parents) when it is missing; empty when it cannot be
// made.
[[nodiscard]] QString make(const QString& documentsFolder);

// A name for a new workbook in the folder, from the moment it is written, so one export
// never replaces another: 数据输出_20080430_142503.xlsx, then _2, _3 within the same second.
[[nodiscard]] QString newWorkbookPath(const QString& folder, const QDateTime& moment);

} // namespace ReportFolder
