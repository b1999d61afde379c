#include "Clock.h"
#include "InstanceLock.h"
#include "QtPrompts.h"
#include "Startup.h"
#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstring>

namespace {

// Qt's own Chinese texts, so standard buttons and dialogs read 是/否/确定/取消.
void loadChineseTranslations(QApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder))
            app.installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace

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
    loadChineseTranslations(app);

    QtPrompts prompts;
    SystemClock clock;
    InstanceLock lock;
    const auto mainWindow =
        Startup::Main(prompts, clock, lock, QCoreApplication::applicationDirPath());
    if (!mainWindow)
        return 0;
    return QApplication::exec();
}
