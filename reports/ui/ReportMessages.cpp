#include "ReportMessages.h"

#include "CellName.h"
#include "FileLauncher.h"
#include "Module1.h"
#include "Prompts.h"

#include <QDir>
#include <QFileInfo>

QString ReportMessages::withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
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
