#pragma once

#include "reports/ExportResult.h"

#include <QString>

class FileLauncher;
class Prompts;
class QWidget;

// What the report window and the main window's exports tell the user about a file they
// wrote, or could not write.
namespace ReportMessages {

inline const QString Title = QStringLiteral("提示：");
inline const QString NoWorkbook = QStringLiteral("您的系统中没有安装Ms Excel软件，输出被中断！");
inline const QString NoStationData = QStringLiteral("该站点在设定的时间段内尚无数据！");
inline const QString StationData = QStringLiteral("该站点在设定的时间段内有数据存在！");

enum class FileKind { Text, Workbook };

// Where a report file is proposed: in the "报表" folder under the documents folder, or in
// the documents folder itself.
enum class Place { ReportFolder, DocumentsFolder };

// Asks where to write a report file, proposing `fileName` at `place`. A folder that cannot be
// made still lets the user choose another one. The chosen path gets `fileName`'s extension
// when it has none; empty when the user cancelled.
[[nodiscard]] QString askOutputPath(QWidget* parent, Prompts& prompts,
                                    const QString& documentsFolder, Place place,
                                    const QString& title, const QString& filter,
                                    const QString& fileName);

// Says that the folder the workbooks go to cannot be made.
void tellNoFolder(QWidget* parent, Prompts& prompts, const QString& folder);

// Says why an export into `path` wrote nothing: a folder that is missing or read-only is
// named. Not for a written file.
void tellFailure(QWidget* parent, Prompts& prompts, const ExportResult& result,
                 const QString& path);

// Opens a written file as openWritten does, or says why nothing was written.
void tellOutcome(QWidget* parent, Prompts& prompts, FileLauncher& launcher,
                 const ExportResult& result, const QString& path, FileKind kind);

// Hands a written file to the user's program for it, saying first what a full sheet left
// out; when no program opens it, says where it was saved (for a workbook, after
// NoWorkbook).
void openWritten(QWidget* parent, Prompts& prompts, FileLauncher& launcher, const QString& path,
                 FileKind kind, qint64 rowsLeftOut = 0);

} // namespace ReportMessages
