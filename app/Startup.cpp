#include "Startup.h"

#include "InstanceLock.h"
#include "Module1.h"
#include "Prompts.h"
#include "StoreStartup.h"
#include "frmLogin.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

// Resources of a static library must be registered by hand, outside any namespace.
static void initBrandingResources() {
    Q_INIT_RESOURCE(thermbook);
}

void Startup::ApplyBranding(frmSplash& splash) {
    initBrandingResources();
    QFile resource(QStringLiteral(":/strings/101"));
    if (!resource.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(resource.readAll()).trimmed();
    if (text.toLower() != QLatin1String("oem"))
        return;
    const QPixmap picture(QStringLiteral(":/bitmaps/10"));
    if (!picture.isNull())
        splash.setPicture(picture);
}

std::unique_ptr<frmMain> Startup::Main(Prompts& prompts, Clock& clock, InstanceLock& lock,
                                       const QString& programFolder,
                                       const std::function<void(frmLogin&)>& beforeLogin) {
    if (!lock.acquire()) {
        prompts.message(nullptr, Module1::AppTitle,
                        QStringLiteral("内存中已经有一个该程序的实例在运行！"),
                        Prompts::Buttons::Ok, Prompts::Icon::None);
        return nullptr;
    }
    Module1 state = Module1::ForFolder(programFolder);
    // From here on the database path is the store in use: the local file or a server.
    state.DatabasePath =
        StoreStartup::open(prompts, StoreStartup::askPasswordDialog, state.DatabasePath);
    if (state.DatabasePath.isEmpty())
        return nullptr;

    auto splash = std::make_unique<frmSplash>();
    splash->show();
    splash->repaint();

    auto login = std::make_unique<frmLogin>(prompts);
    login->adjustSize();
    const QRect s = splash->frameGeometry();
    login->move(s.left() + s.width() - login->frameGeometry().width(),
                s.top() + s.height() - login->frameGeometry().height());

    ApplyBranding(*splash);

    if (beforeLogin)
        beforeLogin(*login);
    login->exec();
    if (!login->OK)
        return nullptr;
    state.FactoryMode = login->FactoryMode;
    login.reset();

    auto main = std::make_unique<frmMain>(state, prompts, clock);
    splash.reset();
    main->show();
    return main;
}

bool Startup::LoadChineseTranslations(QCoreApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool loaded = false;
    for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder)) {
            QCoreApplication::installTranslator(translator);
            loaded = true;
        } else {
            delete translator;
        }
    }
    return loaded;
}
