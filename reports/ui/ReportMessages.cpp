#include "reports/ui/ReportMessages.h"

#include "common/Module1.h"
#include "common/Prompts.h"
#include "reports/CellName.h"
#include "reports/FileLauncher.h"
#include "reports/ReportFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The chosen path, with the default extension added when the name has none.
QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

// That `path` cannot be written, and why: a missing or read-only folder by name, otherwise
// the file's `error`.
QString cannotWriteText(const QString& path, const QString& error) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    QString cause = error;
    if (!folder.isDir())
        cause = QStringLiteral("文件夹不存在：") + QDir::toNativeSeparators(folder.filePath());
    else if (!folder.isWritable())
        cause = QStringLiteral("文件夹是只读的：") + QDir::toNativeSeparators(folder.filePath());
    const QString head = QStringLiteral("文件无法写入：") + QDir::toNativeSeparators(path);
    return cause.isEmpty() ? head : head + QLatin1Char('\n') + cause;
}

} // namespace

QString ReportMessages::askOutputPath(QWidget* parent, Prompts& prompts,
                                      const QString& documentsFolder, Place place,
                                      const QString& title, const QString& filter,
                                      const QString& fileName) {
    // The proposal should open where it points.
    QString folder = documentsFolder;
    if (place == Place::ReportFolder) {
        if (const QString reports = ReportFolder::make(documentsFolder); !reports.isEmpty())
            folder = reports;
    } else {
        (void)QDir().mkpath(documentsFolder);
    }
    const QString chosen =
        prompts.saveFileName(parent, title, filter, QDir(folder).filePath(fileName));
    return chosen.isEmpty() ? QString() : withSuffix(chosen, QFileInfo(fileName).suffix());
}

void ReportMessages::tellNoFolder(QWidget* parent, Prompts& prompts, const QString& folder) {
    prompts.message(parent, Title,
                    QStringLiteral("文件夹无法建立：") + QDir::toNativeSeparators(folder),
                    Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void ReportMessages::tellFailure(QWidget* parent, Prompts& prompts, const ExportResult& result,
                                 const QString& path) {
    QString text;
    switch (result.kind) {
    case ExportResult::Kind::Written:
        return;
    case ExportResult::Kind::NoData:
        text = NoStationData;
        break;
    case ExportResult::Kind::ReadFailed:
    case ExportResult::Kind::BadTemplate:
        text = result.message;
        break;
    case ExportResult::Kind::CannotWrite:
        text = cannotWriteText(path, result.message);
        break;
    }
    prompts.message(parent, Title, text, Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void ReportMessages::openWritten(QWidget* parent, Prompts& prompts, FileLauncher& launcher,
                                 const QString& path, FileKind kind, qint64 rowsLeftOut) {
    if (rowsLeftOut > 0)
        prompts.message(parent, Title,
                        QStringLiteral("工作表最多只有%1行，其余%2行数据没有输出。")
                            .arg(CellName::MaxRows)
                            .arg(rowsLeftOut),
                        Prompts::Buttons::Ok, Prompts::Icon::Warning);
    const bool opened =
        kind == FileKind::Workbook ? launcher.openWorkbook(path) : launcher.openText(path);
    if (opened)
        return;
    const QString saved = QStringLiteral("文件已保存到：") + QDir::toNativeSeparators(path);
    // No program here opens workbooks: the message of a missing spreadsheet program, and
    // where the file is all the same.
    if (kind == FileKind::Workbook)
        prompts.message(parent, Title, NoWorkbook + QLatin1Char('\n') + saved, Prompts::Buttons::Ok,
                        Prompts::Icon::Warning);
    else
        prompts.message(parent, Module1::AppTitle, saved);
}

void ReportMessages::tellOutcome(QWidget* parent, Prompts& prompts, FileLauncher& launcher,
                                 const ExportResult& result, const QString& path, FileKind kind) {
    if (result.kind == ExportResult::Kind::Written)
        openWritten(parent, prompts, launcher, path, kind, result.rowsLeftOut);
    else
        tellFailure(parent, prompts, result, path);
}
