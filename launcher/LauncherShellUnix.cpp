#include "launcher/LauncherShell.h"
#include "launcher/RunAt.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <filesystem>
#include <unistd.h>

std::string OwnFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return self.parent_path().string() + "/";
}

bool EnterFolder(const std::string& folder) {
    return !folder.empty() && ::chdir(folder.c_str()) == 0;
}

void OpenTarget(const std::string& target, const std::string& folder) {
    const QString name = QString::fromLocal8Bit(target.c_str());
    const QString workingFolder = QString::fromLocal8Bit(folder.c_str());
    const QFileInfo file(QDir(workingFolder), name);
    QString what;
    if (file.exists())
        what = file.absoluteFilePath();
    else if (name.contains(QRegularExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"))))
        what = name; // a web or mail address
    else
        return; // like the shell, nothing opens a name that is not there
    QProcess::startDetached(QStringLiteral("xdg-open"), {what}, workingFolder);
}

int main(int argc, char* argv[]) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            commandLine += ' ';
        commandLine += argv[i];
    }
    return RunAt(commandLine);
}
