#include "LauncherShell.h"
#include "RunAt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

void ShowMessage(const std::string& text, const std::string& title) {
    // Tests run without anyone to close a box; they read the message instead.
    if (qEnvironmentVariableIsSet("RUNAT_PRINT_MESSAGES")) {
        std::printf("%s\t%s\n", title.c_str(), text.c_str());
        return;
    }
    // The application exists only for the box, so that opening a target needs no display.
    static int argc = 1;
    static char name[] = "runat";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title), QString::fromUtf8(text),
                    QMessageBox::Ok);
    box.exec();
}

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
