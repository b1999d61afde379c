// The launcher's one window: its message box.
#include "launcher/LauncherShell.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

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
