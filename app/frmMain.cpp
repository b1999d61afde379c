#include "app/frmMain.h"

#include "analysis/ui/AnalysisController.h"
#include "app/MainPaneLayout.h"
#include "app/MainPanes.h"
#include "app/frmAbout.h"
#include "common/AppSettings.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "common/Version.h"
#include "common/ui/ReadOnlyControls.h"
#include "curves/ui/CurvesController.h"
#include "device/UploadReadings.h"
#include "device/ui/DeviceController.h"
#include "grouping/ui/GroupingController.h"
#include "reports/ui/ReportsController.h"
#include "store/StoreAddress.h"
#include "store/ui/StoreController.h"
#include "update/EndProgram.h"
#include "update/ui/UpdateController.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString PlacementSection = QStringLiteral("Settings");

// The store in use, whether a server connection is encrypted and whether the user only views.
QString storeStatus(const QString& databasePath, const StoreAccess& access) {
    const StoreAddress address(databasePath);
    QString text = address.displayName();
    if (address.isServer())
        text += access.encrypted ? QStringLiteral("（加密连接）")
                                  : QStringLiteral("（未加密连接）");
    if (access.readOnly)
        text += QStringLiteral("　") + StoreAccess::ReadOnlyText;
    return text;
}
const QString MakerWebPage = QStringLiteral("http://www.tenvaro.cn/");
const QColor BlinkRed(255, 0, 0);
const QColor BlinkBlue(0, 0, 255);

void setLabelColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

// Binds a menu item to its handler. Every item the window binds must have been built from
// the menu table; an item missing there is a fault of the program, not of the user.
template <typename Receiver, typename Slot>
void bind(QAction* item, const Receiver* receiver, Slot slot) {
    if (!item)
        qFatal("a menu item the main window binds is missing from the menu table");
    QObject::connect(item, &QAction::triggered, receiver, slot);
}

} // namespace

frmMain::frmMain(const Module1& state, Prompts& prompts, Clock& clock, const MainWiring& wiring,
                 QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompts(prompts), m_clock(clock) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Module1::AppTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);
    BuildMenus(menuBar(), MainMenuTable(), m_actions);
    m_panes = new MainPanes(this);
    setCentralWidget(m_panes);
    buildWaitingPanel();
    buildStatusBar();

    m_device = new DeviceController(*this, m_prompts, m_clock, *this,
                                    {m_panes->infoList(), m_panes->uploadList(),
                                     m_panes->uploadEditor()},
                                    wiring.makeTransport);
    m_store = new StoreController(*this, m_prompts, m_clock, m_work, *this, *m_panes,
                                  m_state.DatabasePath, m_state.Access);
    m_grouping = new GroupingController(this, m_prompts, m_work, *this, m_state.DatabasePath,
                                        m_state.Access, m_actions.MenuGroupDEF);
    m_curves = new CurvesController(this, m_prompts, m_clock, m_state.DatabasePath);
    m_reports = new ReportsController(
        this, m_prompts, *this, m_clock, m_work, m_state.DatabasePath, m_state.AppFolder,
        m_state.DocumentsFolder,
        [this] { return PaneQuery{m_store->paneLayout(), m_store->paneSql()}; },
        [this] { m_store->menu_DefByMyself_Click(); });
    m_update =
        new UpdateController(this, m_prompts, m_clock, {m_state.CacheFolder, m_state.Installed},
                             wiring.endProgram ? wiring.endProgram : EndProgramAtOnce);
    m_analysis = new AnalysisController(this, m_prompts, m_clock, m_work, *this,
                                        m_state.DatabasePath, m_state.Access,
                                        m_state.DocumentsFolder);
    sbWatch->setText(m_analysis->watchText());
    connect(m_analysis, &AnalysisController::watchTextChanged, sbWatch, &QLabel::setText);
    bindMenus();
    switchOffWrites();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(m_clock.timerInterval(1000));
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

frmMain::~frmMain() = default;

QAction* frmMain::action(const QString& controlName) const {
    return menuBar()->findChild<QAction*>(controlName);
}

void frmMain::bindMenus() {
    const MainActions& a = m_actions;
    bind(a.mnuFileClose, this, &frmMain::mnuFileClose_Click);
    bind(a.menu_VerInfo, this, &frmMain::menu_VerInfo_Click);
    bind(a.Menu_web, this, &frmMain::Menu_web_Click);
    bind(a.mnuHelpContents, this, &frmMain::mnuHelpContents_Click);
    bind(a.mnuHelpSearchForHelpOn, this, &frmMain::mnuHelpContents_Click);
    bind(a.mnuHelpAbout, this, &frmMain::mnuHelpAbout_Click);
    bind(a.menu_Update, m_update, &UpdateController::menu_Update_Click);

    DeviceController* d = m_device;
    bind(a.MenuDrv, d, &DeviceController::MenuDrv_Click);
    bind(a.menu_Connect, d, &DeviceController::menu_Connect_Click);
    bind(a.Menu_Info, d, &DeviceController::Menu_Info_Click);
    bind(a.menu_Upload, d, &DeviceController::menu_Upload_Click);
    bind(a.menu_format, d, &DeviceController::menu_format_Click);
    bind(a.Menu_PowerDelayTime, d, &DeviceController::Menu_PowerDelayTime_Click);
    bind(a.menu_PowerOff, d, &DeviceController::menu_PowerOff_Click);
    bind(a.menu_SetAll0, d, &DeviceController::menu_SetAll0_Click);
    bind(a.menu_Set_Sn, d, &DeviceController::menu_Set_Sn_Click);
    bind(a.Menu_UpDT, d, &DeviceController::Menu_UpDT_Click);
    bind(a.Menu_Err_set, d, &DeviceController::Menu_Err_set_Click);
    bind(a.Menu_AutoOperate, d, &DeviceController::Menu_AutoOperate_Click);
    connect(d, &DeviceController::linkChanged, this, &frmMain::SetDeviceItemsEnabled);
    connect(d, &DeviceController::statusChanged, sbPanel1, &QLabel::setText);
    connect(d, &DeviceController::uploadShown, this, &frmMain::menuSave2Mdb_Click);
    connect(m_panes->uploadList(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                m_actions.menuSave2Mdb_Bar->exec(
                    m_panes->uploadList()->viewport()->mapToGlobal(at));
            });

    StoreController* s = m_store;
    bind(a.menuSave2Mdb, this, &frmMain::menuSave2Mdb_Click);
    bind(a.menu_DefByMyself, s, &StoreController::menu_DefByMyself_Click);
    bind(a.Menu_orderDateTime, s, &StoreController::Menu_orderDateTime_Click);
    bind(a.Menu_orderBianhao, s, &StoreController::Menu_orderBianhao_Click);
    bind(a.menu_OrderByIdTime, s, &StoreController::menu_OrderByIdTime_Click);
    bind(a.menu_OrderByTimeId, s, &StoreController::menu_OrderByTimeId_Click);
    bind(a.menu_ClearMdb, s, &StoreController::menu_ClearMdb_Click);
    bind(a.menu_DatabaseSetting, s, &StoreController::menu_DatabaseSetting_Click);

    bind(a.MenuGroupDEF, m_grouping, &GroupingController::MenuGroupDEF_Click);
    bind(a.MenuGroupSel, m_grouping, &GroupingController::MenuGroupSel_Click);
    bind(a.MenuDraw, this, &frmMain::MenuDraw_Click);
    bind(a.MenuGroupTables, this, &frmMain::MenuGroupTables_Click);
    bind(a.MenuAnalysis, m_analysis, &AnalysisController::MenuAnalysis_Click);
    bind(a.menu_2Txt, m_reports, &ReportsController::menu_2Txt_Click);
    bind(a.menu_2XLS, m_reports, &ReportsController::menu_2XLS_Click);
}

void frmMain::switchOffWrites() {
    const MainActions& a = m_actions;
    ReadOnlyControls::apply(m_state.Access, a.menuSave2Mdb);
    ReadOnlyControls::apply(m_state.Access, a.MenuGroupSel);
}

void frmMain::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    // Status texts never keep the window from narrowing to its least width; they are cut.
    const auto panel = [bar](const char* name, const QString& text = {}) {
        auto* label = new QLabel(text, bar);
        label->setObjectName(QString::fromLatin1(name));
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        return label;
    };
    sbPanel1 = panel("sbPanel1");
    bar->addWidget(sbPanel1, 1);
    // A server's name rarely fits a narrow window; its tip shows it whole.
    QLabel* store = panel("sbStore", storeStatus(m_state.DatabasePath, m_state.Access));
    store->setToolTip(store->text());
    bar->addWidget(store, 1);
    sbWatch = panel("sbWatch");
    bar->addWidget(sbWatch, 1);
    setStatusBar(bar);

    Command1 = new QPushButton(QStringLiteral("TEST"), bar);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Command2"), bar);
    Command2->setObjectName(QStringLiteral("Command2"));
    bar->addPermanentWidget(Command1);
    bar->addPermanentWidget(Command2);
    connect(Command1, &QPushButton::clicked, this, [this] { m_device->ListView2Ini0(); });
    connect(Command2, &QPushButton::clicked, this, [this] { m_device->info_ListView1(); });
}

void frmMain::buildWaitingPanel() {
    PicWaiting = new QFrame(m_panes);
    PicWaiting->setObjectName(QStringLiteral("PicWaiting"));
    PicWaiting->setFrameShape(QFrame::Box);
    PicWaiting->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(PicWaiting);
    Label1 = new QLabel(QStringLiteral("请稍等，数据正在传输中......"), PicWaiting);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(PicWaiting);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    PicWaiting->hide();
    m_panes->setOverlay(PicWaiting);
}

void frmMain::Form_Load() {
    const QString app = Module1::AppTitle;
    const int left =
        AppSettings::GetNumber(app, PlacementSection, QStringLiteral("MainLeft"), 1000);
    const int top = AppSettings::GetNumber(app, PlacementSection, QStringLiteral("MainTop"), 1000);
    const int width =
        AppSettings::GetNumber(app, PlacementSection, QStringLiteral("MainWidth"), 6500);
    const int height =
        AppSettings::GetNumber(app, PlacementSection, QStringLiteral("MainHeight"), 6500);
    move(Twips::ToPixels(left), Twips::ToPixels(top));
    resize(Twips::ToPixels(width), Twips::ToPixels(height));

    SetDeviceItemsEnabled(false);
    sbPanel1->setText(QStringLiteral("没有与设备联机。"));

    m_actions.menu_factory->menuAction()->setVisible(m_state.FactoryMode);
    // The test buttons fill the lists with dummy data; only the factory sees them.
    Command1->setVisible(m_state.FactoryMode);
    Command2->setVisible(m_state.FactoryMode);
}

void frmMain::SetDeviceItemsEnabled(bool linked) {
    const MainActions& a = m_actions;
    a.menu_Connect->setChecked(linked);
    for (QAction* item : {a.Menu_Info, a.menu_Upload, a.menu_format, a.menu_Set_Sn,
                          a.Menu_Err_set, a.Menu_PowerDelayTime, a.menu_PowerOff})
        item->setEnabled(linked);
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    // Close the other windows newest first, so dialogs go before the windows that own them.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* w = *it;
        if (w != this && w->isVisible() && !qobject_cast<QMenu*>(w))
            w->close();
    }
    if (isMinimized())
        return;
    const QString app = Module1::AppTitle;
    const auto save = [&app](const char* key, int pixels) {
        AppSettings::SaveSetting(app, PlacementSection, QString::fromLatin1(key),
                                 QString::number(Twips::FromPixels(pixels)));
    };
    save("MainLeft", pos().x());
    save("MainTop", pos().y());
    save("MainWidth", width());
    save("MainHeight", height());
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const int minWidth = Twips::ToPixels(MainPaneLayout::MinWindowWidth);
    if (width() < minWidth && !isMinimized())
        resize(minWidth, height());
}

// --- Waiting panel -----------------------------------------------------------------------

void frmMain::showWaiting(const QString& text, bool withProgress) {
    Label1->setText(text);
    ProgressBar1->setVisible(withProgress);
    PicWaiting->show();
    PicWaiting->raise();
}

void frmMain::setWaitingText(const QString& text) {
    Label1->setText(text);
}

QString frmMain::waitingText() const {
    return Label1->text();
}

void frmMain::setProgressRange(int minimum, int maximum) {
    ProgressBar1->setRange(minimum, maximum);
}

void frmMain::setProgress(int value) {
    ProgressBar1->setValue(value);
}

int frmMain::progress() const {
    return ProgressBar1->value();
}

int frmMain::progressMaximum() const {
    return ProgressBar1->maximum();
}

void frmMain::hideWaiting() {
    PicWaiting->hide();
    ProgressBar1->show();
}

void frmMain::Timer1_Timer() {
    if (!PicWaiting->isVisible())
        return;
    const bool red = Label1->palette().color(QPalette::WindowText) == BlinkRed;
    setLabelColour(Label1, red ? BlinkBlue : BlinkRed);
    m_device->ShowTransferPercent();
}

// --- Shell commands ----------------------------------------------------------------------

void frmMain::menuSave2Mdb_Click() {
    // The first-start advice says the database is empty; once a save went in, it misleads.
    if (m_store->Save2Mdb(m_device->uploadReadings()))
        m_panes->setQueryPlaceholder({});
    m_analysis->refreshWatch();
}

void frmMain::MenuDraw_Click() {
    m_grouping->PrepareStationWindow([this] { m_curves->MenuDraw_Click(); });
}

void frmMain::MenuGroupTables_Click() {
    m_grouping->PrepareStationWindow([this] { m_reports->MenuGroupTables_Click(); });
}

void frmMain::mnuFileClose_Click() {
    close();
}

void frmMain::menu_VerInfo_Click() {
    const QString text = QStringLiteral("版本：【 %1-%2-%3】\r\n\r\n")
                             .arg(Version::Major)
                             .arg(Version::Minor)
                             .arg(Version::Revision);
    m_prompts.message(this, QStringLiteral("软件版本号："), text, Prompts::Buttons::Ok,
                      Prompts::Icon::None);
}

void frmMain::Menu_web_Click() {
    // The result is not examined: a machine without a browser simply opens nothing.
    QDesktopServices::openUrl(QUrl(MakerWebPage));
}

void frmMain::mnuHelpContents_Click() {
    m_prompts.message(this, Module1::AppTitle,
                      QStringLiteral("无法显示帮助目录，该工程没有相关联的帮助。"),
                      Prompts::Buttons::Ok, Prompts::Icon::Information);
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(m_state, this);
    m_prompts.runDialog(about);
}
