#include "app/Startup.h"

#include "analysis/AnalysisSchema.h"
#include "app/InstanceLock.h"
#include "app/MainPanes.h"
#include "app/frmLogin.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "common/Module1.h"
#include "common/Prompts.h"
#include "store/StoreAddress.h"
#include "store/StoreDb.h"
#include "store/StoreSchema.h"
#include "store/ui/StoreStartup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

const QString FirstStartAdvice =
    QStringLiteral("数据库中还没有数据：请先从“手持测温记录仪”菜单联机并获取设备数据。");

// THERMBOOK_CHECK_START=1 proves that the program starts where no one can answer it (a
// package check, CI): the login is accepted with an empty password, the main window opens
// on its database, and the program ends at once with 0, or 1 when the database failed.
bool checkingStart() {
    return qEnvironmentVariableIsSet("THERMBOOK_CHECK_START");
}

// Where no one can answer, the login is taken as given with the empty password.
std::optional<frmLogin::Access> logIn(frmLogin& login) {
    if (checkingStart())
        return frmLogin::Access::User;
    return login.ask();
}

// On a database without uploads, the query pane tells the user what to do first. The
// analysis watch reads the upload list itself.
void adviseOnEmptyDatabase(const StoreStartup::Opened& store, MainPanes& panes) {
    if (store.state.ok() && !store.hasUploads)
        panes.setQueryPlaceholder(FirstStartAdvice);
}

// The tables a user must be able to write to record the pour; one who cannot only views.
QStringList recordedTables() {
    return StoreSchema::tables() + analysis::AnalysisSchema::tables();
}

// A server's owner, starting the program once to prepare the database, makes every table,
// so that the users who record need no right to make any. Anyone else finds them made.
void makeAnalysisTables(const StoreStartup::Opened& store) {
    if (!store.state.ok() || store.readOnly || !StoreAddress(store.address).isServer())
        return;
    StoreDb db(store.address);
    (void)analysis::AnalysisSchema::openToWrite(db);
}

void endCheckedStart(const Module1& state, const StoreResult& database) {
    if (database.ok())
        std::printf("thermbook: main window open on %s\n",
                    qPrintable(QDir::toNativeSeparators(state.DatabasePath)));
    else
        std::fprintf(stderr, "thermbook: %s\n", qPrintable(database.message()));
    std::fflush(stdout);
    const int code = database.ok() ? 0 : 1;
    // Ends the event loop the caller is about to enter.
    QTimer::singleShot(0, QCoreApplication::instance(), [code] { QCoreApplication::exit(code); });
}

} // namespace

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
    // A folder that cannot be made shows up as a database that cannot be opened.
    (void)QDir().mkpath(state.DataFolder);
    // From here on the database path is the store in use: the local file or a server.
    const StoreStartup::Opened store =
        StoreStartup::open(prompts, StoreStartup::askPasswordDialog, state.DatabasePath,
                           recordedTables());
    state.DatabasePath = store.address;
    if (state.DatabasePath.isEmpty())
        return nullptr;
    // A file another program holds is told at once, so that the other program can be
    // closed; the program starts all the same, and the next command tries again.
    if (store.state.retryable() && !checkingStart())
        prompts.message(nullptr, Module1::AppTitle, store.state.message(), Prompts::Buttons::Ok,
                        Prompts::Icon::Warning);
    state.Access = {store.readOnly, store.encrypted};
    makeAnalysisTables(store);

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
    const std::optional<frmLogin::Access> access = logIn(*login);
    if (!access)
        return nullptr;
    state.FactoryMode = *access == frmLogin::Access::Factory;
    login.reset();

    auto main = std::make_unique<frmMain>(state, prompts, clock);
    adviseOnEmptyDatabase(store, main->panes());
    splash.reset();
    main->show();
    if (checkingStart())
        endCheckedStart(state, store.state);
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
