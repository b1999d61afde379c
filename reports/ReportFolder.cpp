#include "reports/ReportFolder.h"

#include <QDir>
#include <QFileInfo>

QString ReportFolder::path(const QString& documentsFolder) {
    return QDir(documentsFolder).filePath(QStringLiteral("报表"));
}

QString ReportFolder::make(const QString& documentsFolder) {
    const QString folder = path(documentsFolder);
    return QDir().mkpath(folder) ? folder : QString();
}

QString ReportFolder::newWorkbookPath(const QString& folder, const QDateTime& moment) {
    const QString stem =
        QStringLiteral("数据输出_") + moment.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral("_%1.xlsx").arg(n));
    return path;
}
