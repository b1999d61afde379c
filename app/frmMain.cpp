#include "frmMain.h"

#include "AppSettings.h"
#include "Clock.h"
#include "MainMenus.h"
#include "Module1.h"
#include "NumberText.h"
#include "Prompts.h"
#include "SplitterBar.h"
#include "TwipsScale.h"
#include "Version.h"
#include "frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString PlacementSection = QStringLiteral("Settings");
const QString MakerWebPage = QStringLiteral("http://www.tenvaro.cn/");
constexpr int TitleHeight = 300; // twips
const QColor BlinkRed(255, 0, 0);
const QColor BlinkBlue(0, 0, 255);

QTreeWidget* makeReportList(const QString& name, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(0);
    list->header()->setStretchLastSection(false);
    return list;
}

QLabel* makeTitle(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblTitle"));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    return label;
}

void setLabelColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

frmMain::frmMain(Prompts& prompts, Clock& clock, QWidget* parent)
    : QMainWindow(parent), m_prompts(prompts), m_clock(clock) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Module1::AppTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildMenus();
    buildPanes();
    buildWaitingPanel();

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

void frmMain::buildMenus() {
    BuildMenus(menuBar(), MainMenuTable());

    const auto wire = [this](const char* name, void (frmMain::*slot)()) {
        QAction* a = action(QString::fromUtf8(name));
        Q_ASSERT(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    wire("mnuFileClose", &frmMain::mnuFileClose_Click);
    wire("menu_VerInfo", &frmMain::menu_VerInfo_Click);
    wire("Menu_web", &frmMain::Menu_web_Click);
    wire("mnuHelpContents", &frmMain::mnuHelpContents_Click);
    wire("mnuHelpSearchForHelpOn", &frmMain::mnuHelpContents_Click);
    wire("mnuHelpAbout", &frmMain::mnuHelpAbout_Click);

    wire("MenuDrv", &frmMain::MenuDrv_Click);
    menu_Connect = wire("menu_Connect", &frmMain::menu_Connect_Click);
    Menu_Info = wire("Menu_Info", &frmMain::Menu_Info_Click);
    menu_Upload = wire("menu_Upload", &frmMain::menu_Upload_Click);
    menu_format = wire("menu_format", &frmMain::menu_format_Click);
    Menu_PowerDelayTime = wire("Menu_PowerDelayTime", &frmMain::Menu_PowerDelayTime_Click);
    menu_PowerOff = wire("menu_PowerOff", &frmMain::menu_PowerOff_Click);
    wire("menu_SetAll0", &frmMain::menu_SetAll0_Click);
    menu_Set_Sn = wire("menu_Set_Sn", &frmMain::menu_Set_Sn_Click);
    wire("Menu_UpDT", &frmMain::Menu_UpDT_Click);
    Menu_Err_set = wire("Menu_Err_set", &frmMain::Menu_Err_set_Click);
    wire("Menu_AutoOperate", &frmMain::Menu_AutoOperate_Click);

    wire("menuSave2Mdb", &frmMain::menuSave2Mdb_Click);
    wire("menu_DefByMyself", &frmMain::menu_DefByMyself_Click);
    wire("Menu_orderDateTime", &frmMain::Menu_orderDateTime_Click);
    wire("Menu_order编号", &frmMain::Menu_orderBianhao_Click);
    wire("menu_OrderByIdTime", &frmMain::menu_OrderByIdTime_Click);
    wire("menu_OrderByTimeId", &frmMain::menu_OrderByTimeId_Click);
    wire("menu_ClearMdb", &frmMain::menu_ClearMdb_Click);

    MenuGroupDEF = action(QStringLiteral("MenuGroupDEF"));
    menu_factory = menuBar()->findChild<QMenu*>(QStringLiteral("menu_factory"));
    menuSave2Mdb_Bar = menuBar()->findChild<QMenu*>(QStringLiteral("menuSave2Mdb_Bar"));
}

void frmMain::buildPanes() {
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    // Panes are laid out when the client area has its real size, not before.
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    m_upperLeft = new QWidget(m_client);
    m_lowerLeft = new QWidget(m_client);
    m_right = new QWidget(m_client);

    lblTitle[0] = makeTitle(QStringLiteral(" 当前设备信息:"), m_upperLeft);
    lblTitle[1] = makeTitle(QStringLiteral(" 数据查询列表:"), m_right);
    lblTitle[2] = makeTitle(QStringLiteral(" 当前设备内数据:"), m_lowerLeft);

    ListView1 = makeReportList(QStringLiteral("ListView1"), m_upperLeft);
    ListView2 = makeReportList(QStringLiteral("ListView2"), m_lowerLeft);
    ListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView2, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        menuSave2Mdb_Bar->exec(ListView2->viewport()->mapToGlobal(at));
    });
    connect(ListView2, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ListView2_ItemClick(item); });

    ListView3 = new QTreeView(m_right);
    ListView3->setObjectName(QStringLiteral("ListView3"));
    ListView3->setRootIsDecorated(false);
    ListView3->setUniformRowHeights(true);
    ListView3->setAllColumnsShowFocus(true);

    Text1 = new QLineEdit(ListView2->viewport());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Text1->installEventFilter(this);

    picSplitter = new SplitterBar(Qt::Vertical, m_client);
    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    picSplitter->setClamp([this](int x) {
        return MainPaneLayout::clampVerticalDrag(x, Twips::FromPixels(m_client->width()));
    });
    connect(picSplitter, &SplitterBar::released, this,
            [this](int x) { SizeControls(x, m_hSplitterTop); });

    picHHSplitter = new SplitterBar(Qt::Horizontal, m_client);
    picHHSplitter->setObjectName(QStringLiteral("picHHSplitter"));
    picHHSplitter->setClamp([this](int y) {
        return MainPaneLayout::clampHorizontalDrag(y, Twips::FromPixels(m_client->height()));
    });
    connect(picHHSplitter, &SplitterBar::released, this,
            [this](int y) { SizeControls(m_splitterLeft, y); });

    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbPanel1 = new QLabel(sbStatusBar);
    sbPanel1->setObjectName(QStringLiteral("sbPanel1"));
    sbStatusBar->addWidget(sbPanel1, 1);
    setStatusBar(sbStatusBar);

    Command1 = new QPushButton(QStringLiteral("TEST"), sbStatusBar);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Command2"), sbStatusBar);
    Command2->setObjectName(QStringLiteral("Command2"));
    sbStatusBar->addPermanentWidget(Command1);
    sbStatusBar->addPermanentWidget(Command2);
    connect(Command1, &QPushButton::clicked, this, &frmMain::ListView2Ini0);
    connect(Command2, &QPushButton::clicked, this, &frmMain::info_ListView1);
}

void frmMain::buildWaitingPanel() {
    PicWaiting = new QFrame(m_client);
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

    menu_factory->menuAction()->setVisible(Module1::FactoryMode);
    // The test buttons fill the lists with dummy data; only the factory sees them.
    Command1->setVisible(Module1::FactoryMode);
    Command2->setVisible(Module1::FactoryMode);
}

void frmMain::SetDeviceItemsEnabled(bool linked) {
    menu_Connect->setChecked(linked);
    for (QAction* item : {Menu_Info, menu_Upload, menu_format, menu_Set_Sn, Menu_Err_set,
                          Menu_PowerDelayTime, menu_PowerOff})
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
    const QRect placement(pos(), size());
    AppSettings::SaveSetting(app, PlacementSection, QStringLiteral("MainLeft"),
                             QString::number(Twips::FromPixels(placement.x())));
    AppSettings::SaveSetting(app, PlacementSection, QStringLiteral("MainTop"),
                             QString::number(Twips::FromPixels(placement.y())));
    AppSettings::SaveSetting(app, PlacementSection, QStringLiteral("MainWidth"),
                             QString::number(Twips::FromPixels(placement.width())));
    AppSettings::SaveSetting(app, PlacementSection, QStringLiteral("MainHeight"),
                             QString::number(Twips::FromPixels(placement.height())));
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const int minWidth = Twips::ToPixels(MainPaneLayout::MinWindowWidth);
    if (width() < minWidth && !isMinimized()) {
        resize(minWidth, height());
    }
}

void frmMain::SizeControls(int splitterLeftTwips, int hSplitterTopTwips) {
    const QSize client(Twips::FromPixels(m_client->width()), Twips::FromPixels(m_client->height()));
    // The wanted positions are kept as given, so a window that was briefly small does not
    // leave its splitters squeezed once it grows again.
    m_splitterLeft = splitterLeftTwips;
    m_hSplitterTop = hSplitterTopTwips;
    const MainPaneLayout layout =
        MainPaneLayout::compute(client, splitterLeftTwips, hSplitterTopTwips);
    m_upperLeft->setGeometry(Twips::ToPixels(layout.upperLeft));
    m_lowerLeft->setGeometry(Twips::ToPixels(layout.lowerLeft));
    m_right->setGeometry(Twips::ToPixels(layout.right));
    picSplitter->setGeometry(Twips::ToPixels(layout.verticalBar));
    picHHSplitter->setGeometry(Twips::ToPixels(layout.horizontalBar));
    ResizeListViewS();

    const QSize panel(Twips::ToPixels(4500), Twips::ToPixels(1000));
    PicWaiting->setGeometry(QRect(
        QPoint((m_client->width() - panel.width()) / 2, (m_client->height() - panel.height()) / 2),
        panel));
    PicWaiting->raise();
}

int frmMain::splitterLeft() const {
    return Twips::FromPixels(picSplitter->x());
}

int frmMain::hSplitterTop() const {
    return Twips::FromPixels(picHHSplitter->y());
}

void frmMain::ResizeListViewS() {
    const int title = Twips::ToPixels(TitleHeight);
    const auto fill = [title](QLabel* label, QWidget* list, QWidget* pane, int listWidth) {
        label->setGeometry(0, 0, pane->width(), title);
        list->setGeometry(0, title, listWidth, std::max(0, pane->height() - title));
    };
    fill(lblTitle[0], ListView1, m_upperLeft, m_upperLeft->width());
    fill(lblTitle[2], ListView2, m_lowerLeft, m_lowerLeft->width());
    const int queryWidth =
        m_queryPaneWidth > 0 ? Twips::ToPixels(m_queryPaneWidth) : m_right->width();
    fill(lblTitle[1], ListView3, m_right, queryWidth);
}

void frmMain::ShowQueryPane(int widthTwips) {
    m_queryPaneWidth = widthTwips;
    ListView3->show();
    ResizeListViewS();
}

void frmMain::ClearListView(QTreeWidget* list) {
    list->clear();
    list->setColumnCount(0);
    list->setHeaderLabels({});
}

void frmMain::ListView2_ItemClick(QTreeWidgetItem* item) {
    if (!item)
        return;
    m_text1Tag = item->text(0);
    Text1->setText(item->text(1));
    const QRect row = ListView2->visualItemRect(item);
    Text1->setGeometry(row.left() + Twips::ToPixels(2000), row.top(), Twips::ToPixels(1000),
                       row.height());
    Text1->show();
    Text1->setFocus();
}

void frmMain::Text1_KeyUp() {
    // The rows are numbered 1, 2, 3 ... in order, so the stored data number is the row.
    const int row = static_cast<int>(Val(m_text1Tag)) - 1;
    if (QTreeWidgetItem* item = ListView2->topLevelItem(row))
        item->setText(1, Text1->text());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::Resize)
        SizeControls(m_splitterLeft, m_hSplitterTop);
    if (watched == Text1) {
        if (event->type() == QEvent::KeyRelease)
            Text1_KeyUp();
        else if (event->type() == QEvent::Enter)
            Text1->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Timer1_Timer() {
    if (!PicWaiting->isVisible())
        return;
    const bool red = Label1->palette().color(QPalette::WindowText) == BlinkRed;
    setLabelColour(Label1, red ? BlinkBlue : BlinkRed);
    ShowTransferPercent();
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
    frmAbout about(this);
    about.exec();
}
