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

void ReportMessages::tellFailure(QWidget* parent, Prompts& prompts, const ExportResult& result,
                                 const QString& path, FileKind kind) {
    QString text;
    switch (result.kind) {
    case ExportResult::Kind::Written:
        return;
    case ExportResult::Kind::NoData:
        text = NoStationData;
        break;
    case ExportResult::Kind::ReadFailed:
        text = result.message;
        break;
    case ExportResult::Kind::CannotWrite:
        text = kind == FileKind::Workbook
                   ? NoWorkbook
                   : QStringLiteral("文件无法写入：") + QDir::toNativeSeparators(path) +
                         QLatin1Char('\n') + result.message;
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
    if (!opened)
        prompts.message(parent, Module1::AppTitle,
                        QStringLiteral("文件已保存到：") + QDir::toNativeSeparators(path));
}

void ReportMessages::tellOutcome(QWidget* parent, Prompts& prompts, FileLauncher& launcher,
                                 const ExportResult& result, const QString& path, FileKind kind) {
    if (result.kind == ExportResult::Kind::Written)
        openWritten(parent, prompts, launcher, path, kind, result.rowsLeftOut);
    else
        tellFailure(parent, prompts, result, path, kind);
}
