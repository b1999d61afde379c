// Walks the program with simulated recorders and saves a picture of every window.
//
//   screenshot-tour-walk FOLDER RECORDER...
//   screenshot-tour-walk --office N OF FOLDER RECORDER
//
// FOLDER receives the pictures; each RECORDER is the terminal of a simulated recorder,
// uploaded in turn. The program starts in FOLDER/program, on an empty database.
// With --office, this copy is the Nth of OF copies sharing one database server: it saves
// its one upload under the Nth of OF upload times, waits for the others', then groups and
// draws.
#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "app/frmLogin.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "common/Clock.h"
#include "common/ui/QtPrompts.h"
#include "tools/screenshot-tour/ModalShooter.h"
#include "tools/screenshot-tour/Tour.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// The day the walk pretends it is, and the uploads it saves, a day apart each.
const QDateTime Today(QDate(2008, 5, 3), QTime(10, 0));

std::vector<QDateTime> uploadTimes(int count) {
    std::vector<QDateTime> times;
    for (int i = count - 1; i >= 0; --i)
        times.push_back(Today.addSecs(-3600 * (2 + 12 * i)));
    return times;
}

// Which of several copies sharing a server this walk is; office 0 walks the whole tour alone.
struct Office {
    int number = 0;
    int of = 1;
};

int walk(const QString& folder, const QStringList& recorders, Office office) {
    QtPrompts prompts;
    ScaledClock clock(1.0, Today);
    InstanceLock lock;
    ModalShooter shooter(folder);

    const QString programFolder = QDir(folder).filePath(QStringLiteral("program"));
    QDir().mkpath(programFolder);
    const auto atLogin = [&shooter](frmLogin& login) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("frmSplash") && w->isVisible())
                shooter.shoot(w, QStringLiteral("splash"));
        shooter.expect(QStringLiteral("login"), "frmLogin", [](QWidget* w) {
            w->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->clear();
            w->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        (void)login;
    };
    const auto window = Startup::Main(prompts, clock, lock, programFolder, atLogin);
    if (!window) {
        std::fprintf(stderr, "tour: the main window did not open\n");
        return 1;
    }
    ModalShooter::settle(500);
    shooter.shoot(window.get(), QStringLiteral("main-first-start"));

    std::vector<QDateTime> times = uploadTimes(office.number == 0 ? int(recorders.size()) : office.of);
    if (office.number != 0)
        times = {times[size_t(office.number - 1)]};
    Tour tour(shooter, *window, recorders, times);
    const bool walked = office.number == 0 ? tour.walk() : tour.walkShared(office.of);
    std::printf("tour: %d window(s) came unexpected\n", shooter.unexpectedCount());
    return walked ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("thermbook"));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    Startup::LoadChineseTranslations(app);
    QStringList args = QApplication::arguments().mid(1);
    Office office;
    if (args.size() == 5 && args[0] == QLatin1String("--office")) {
        office = {args[1].toInt(), args[2].toInt()};
        args = args.mid(3);
    }
    if (args.size() < 2 || office.number < 0 || office.number > office.of) {
        std::fprintf(stderr, "usage: screenshot-tour-walk FOLDER RECORDER...\n"
                             "       screenshot-tour-walk --office N OF FOLDER RECORDER\n");
        return 2;
    }
    int code = 1;
    QTimer::singleShot(0, &app, [&] {
        code = walk(args.first(), args.mid(1), office);
        QApplication::quit();
    });
    QApplication::exec();
    return code;
}
