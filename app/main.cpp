#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "common/Version.h"
#include "common/ui/QtPrompts.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("thermbook %s\n", Version::Text);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("thermbook"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::Text));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    Startup::LoadChineseTranslations(app);

    QtPrompts prompts;
    SystemClock clock;
    InstanceLock lock;
    const auto mainWindow =
        Startup::Main(prompts, clock, lock, QCoreApplication::applicationDirPath());
    if (!mainWindow)
        return 0;
    return QApplication::exec();
}
