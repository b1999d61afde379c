#include "reports/DesktopFileLauncher.h"

#include <QDesktopServices>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QDir>
#include <QProcess>
#endif

bool DesktopFileLauncher::openText(const QString& path) {
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("NOTEPAD.EXE"), {QDir::toNativeSeparators(path)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

bool DesktopFileLauncher::openWorkbook(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
