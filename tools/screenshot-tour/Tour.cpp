#include "tools/screenshot-tour/Tour.h"

#include "app/frmMain.h"
#include "common/ui/frmRiLi.h"
#include "curves/ui/frmWenduQuxian.h"
#include "device/ui/DeviceController.h"
#include "store/ui/StoreController.h"
#include "tools/screenshot-tour/ModalShooter.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdio>

namespace {

// Clicks a label that opens a picker on release of the left button.
void clickLabel(QLabel* label) {
    const QPointF at(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    QCoreApplication::sendEvent(label, &release);
}

// A window's control by its name, and by its index in a control array.
template <typename T> T* control(QWidget* window, const char* name, int index = -1) {
    for (T* c : window->findChildren<T*>(QString::fromUtf8(name)))
        if (index < 0 || c->property("controlIndex").toInt() == index)
            return c;
    return nullptr;
}

// The bulk rule of the tour: ten stations of three sensors each.
constexpr const char* BulkLastSensor = "30";

} // namespace

Tour::Tour(ModalShooter& shooter, frmMain& window, QStringList recorders,
           std::vector<QDateTime> uploadTimes)
    : m_shooter(shooter), m_window(window), m_recorders(std::move(recorders)),
      m_uploadTimes(std::move(uploadTimes)) {}

const std::vector<Tour::Stop>& Tour::stops() {
    static const std::vector<Stop> table{
        {QStringLiteral("uploads"), &Tour::uploads},
        {QStringLiteral("views"), &Tour::views},
        {QStringLiteral("custom query"), &Tour::customQuery},
        {QStringLiteral("maintenance"), &Tour::maintenance},
        {QStringLiteral("database settings"), &Tour::databaseSettings},
        {QStringLiteral("groups"), &Tour::groups},
        {QStringLiteral("curves"), &Tour::curves},
        {QStringLiteral("report"), &Tour::report},
        {QStringLiteral("analysis"), &Tour::analysis},
        {QStringLiteral("power-off time"), &Tour::powerOffTime},
        {QStringLiteral("factory sequence"), &Tour::factorySequence},
        {QStringLiteral("about"), &Tour::about},
        {QStringLiteral("update"), &Tour::update},
    };
    return table;
}

bool Tour::walk() {
    return walk(stops());
}

bool Tour::walkShared(int uploads) {
    return walk({
        {QStringLiteral("uploads"), &Tour::uploads},
        {QStringLiteral("the others' uploads"), [uploads](Tour& t) { t.waitForUploads(uploads); }},
        {QStringLiteral("groups"), &Tour::groups},
        {QStringLiteral("curves"), &Tour::curves},
    });
}

bool Tour::walk(const std::vector<Stop>& stops) {
    for (const Stop& stop : stops) {
        std::printf("tour: stop \"%s\"\n", qPrintable(stop.name));
        std::fflush(stdout);
        stop.run(*this);
        ModalShooter::settle(300);
        if (m_shooter.pendingCount() != 0) {
            std::fprintf(stderr, "tour: stop \"%s\" missed %d window(s)\n",
                         qPrintable(stop.name), m_shooter.pendingCount());
            return false;
        }
    }
    return m_ok;
}

void Tour::trigger(const char* controlName) {
    QAction* item = m_window.action(QString::fromUtf8(controlName));
    if (!item) {
        std::fprintf(stderr, "tour: no menu item %s\n", controlName);
        m_ok = false;
        return;
    }
    item->trigger();
}

void Tour::shootMain(const QString& name) {
    ModalShooter::settle(300);
    m_shooter.shoot(&m_window, name);
}

void Tour::connectTo(const QString& recorder, const QString& shotSuffix) {
    qputenv("THERMBOOK_SERIAL_PORTS", recorder.toLocal8Bit());
    m_shooter.expect(QStringLiteral("connect-checklist") + shotSuffix, "QMessageBox",
                     Answers::yes);
    m_shooter.expect(QStringLiteral("connected") + shotSuffix, "QMessageBox", Answers::yes);
    trigger("menu_Connect");
    waitForTheRecorder();
}

void Tour::uploadAndSave(const QDateTime& when, const QString& shotSuffix) {
    m_shooter.expect(QStringLiteral("save-question") + shotSuffix, "QMessageBox", Answers::yes);
    m_shooter.expect(QStringLiteral("date-time") + shotSuffix, "FrmShowRiLI", [when](QWidget* d) {
        control<QLineEdit>(d, "Text1")->setText(when.date().toString(QStringLiteral("yyyy-MM-dd")));
        control<QComboBox>(d, "Combo1")
            ->setEditText(when.time().toString(QStringLiteral("HH:mm:ss")));
        control<QPushButton>(d, "CmdOK")->click();
    });
    m_shooter.expect(QStringLiteral("saved") + shotSuffix, "QMessageBox", Answers::yes);
    trigger("menu_Upload");
    waitForTheRecorder();
}

void Tour::waitForTheRecorder() {
    while (m_window.device().linkBusy())
        ModalShooter::settle(50);
}

void Tour::uploads() {
    for (int i = 0; i < m_recorders.size() && i < int(m_uploadTimes.size()); ++i) {
        const QString suffix = i == 0 ? QString() : QStringLiteral("-%1").arg(i + 1);
        connectTo(m_recorders[i], suffix);
        if (i == 0)
            shootMain(QStringLiteral("main-information-list"));
        uploadAndSave(m_uploadTimes[size_t(i)], suffix);
        if (i == 0)
            shootMain(QStringLiteral("main-upload-list"));
    }
}

void Tour::views() {
    const std::vector<std::pair<const char*, QString>> views{
        {"Menu_orderDateTime", QStringLiteral("view-upload-times")},
        {"Menu_order编号", QStringLiteral("view-sensor-numbers")},
        {"menu_OrderByIdTime", QStringLiteral("view-by-sensor")},
        {"menu_OrderByTimeId", QStringLiteral("view-by-time")},
    };
    for (const auto& [item, name] : views) {
        trigger(item);
        shootMain(name);
    }
}

void Tour::waitForUploads(int count) {
    // The others save when their own recorders answer; a refresh every second finds them.
    for (int tries = 0; tries < 120; ++tries) {
        if (m_window.store().GetUpdownTimeList().count(QLatin1Char('|')) >= count)
            break;
        ModalShooter::settle(1000);
    }
    trigger("Menu_orderDateTime");
    shootMain(QStringLiteral("view-upload-times"));
}

void Tour::customQuery() {
    m_shooter.expect(QStringLiteral("custom-query"), "FrmSelect", Answers::dismiss);
    trigger("menu_DefByMyself");
}

void Tour::maintenance() {
    m_shooter.expect(QStringLiteral("maintenance"), "FrmDataManage", Answers::dismiss);
    trigger("menu_ClearMdb");
}

void Tour::databaseSettings() {
    m_shooter.expect(QStringLiteral("database-settings"), "FrmDatabaseSetting", Answers::dismiss);
    trigger("menu_DatabaseSetting");
}

void Tour::groups() {
    m_shooter.expect(
        QStringLiteral("group-definition"), "FrmDataGroupDef", [this](QWidget* dialog) {
            m_shooter.expect(QStringLiteral("bulk-groups"), "FrmDefMore", [](QWidget* more) {
                control<QComboBox>(more, "Combo1", 1)
                    ->setEditText(QString::fromLatin1(BulkLastSensor));
                control<QPushButton>(more, "cmdOK")->click();
            });
            control<QPushButton>(dialog, "CmdMore")->click();
            ModalShooter::settle(300);
            m_shooter.shoot(dialog, QStringLiteral("group-definition-filled"));
            m_shooter.expect(QStringLiteral("replace-groups-question"), "QMessageBox",
                             Answers::yes);
            m_shooter.expect(QStringLiteral("grouping-done"), "QMessageBox", Answers::yes);
            control<QPushButton>(dialog, "cmdOK")->click();
        });
    trigger("MenuGroupDEF");
}

void Tour::expectRegrouping() {
    // A station window groups the readings afresh before it opens.
    m_shooter.expect(QStringLiteral("regrouped"), "QMessageBox", Answers::yes);
}

void Tour::curves() {
    expectRegrouping();
    m_shooter.expect(QStringLiteral("curve-window"), "frmWenduQuxian", [this](QWidget* w) {
        auto* window = static_cast<frmWenduQuxian*>(w);
        m_shooter.expect(QStringLiteral("calendar-picker"), "frmRiLi",
                         [](QWidget* p) { static_cast<frmRiLi*>(p)->cmdOK->click(); });
        clickLabel(window->Label1[0]);
        window->cmdExit->click();
    }, 1500);
    trigger("MenuDraw");
}

void Tour::report() {
    expectRegrouping();
    m_shooter.expect(
        QStringLiteral("report"), "frmWenduBaobiao",
        [](QWidget* w) { control<QPushButton>(w, "cmdExit")->click(); }, 1500);
    trigger("MenuGroupTables");
}

void Tour::analysis() {
    // The window, then its record sheet written where it is proposed; the tour's script
    // turns the sheet into a picture of its own.
    m_shooter.expect(QStringLiteral("analysis"), "frmWenkongFenxi", [this](QWidget* w) {
        m_shooter.expect(QStringLiteral("record-sheet-save"), "QFileDialog",
                         [](QWidget* d) { static_cast<QDialog*>(d)->accept(); });
        control<QPushButton>(w, "cmdRecord")->click();
        w->close();
    }, 1500);
    trigger("MenuAnalysis");
}

void Tour::powerOffTime() {
    m_shooter.expect(QStringLiteral("power-off-time"), "Frm_PowerDelayTime", Answers::dismiss);
    trigger("Menu_PowerDelayTime");
}

void Tour::factorySequence() {
    // A few steps in, so that the list shows what the sequence does.
    m_shooter.expect(QStringLiteral("factory-sequence"), "FrmAutoOpration", Answers::dismiss,
                     9000);
    trigger("Menu_AutoOperate");
}

void Tour::about() {
    m_shooter.expect(QStringLiteral("version"), "QMessageBox", Answers::yes);
    trigger("menu_VerInfo");
    m_shooter.expect(QStringLiteral("about"), "frmAbout", Answers::dismiss);
    trigger("mnuHelpAbout");
}

void Tour::update() {
    m_shooter.expect(QStringLiteral("update"), "FrmUpdate", Answers::dismiss, 1500);
    trigger("menu_Update");
}
