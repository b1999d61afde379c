#include "analysis/ui/frmWenkongFenxi.h"

#include "analysis/AnalysisChart.h"
#include "analysis/PourAnalysis.h"
#include "analysis/ReadingTime.h"
#include "analysis/ScheduleWatch.h"
#include "analysis/SectionProfile.h"
#include "analysis/SensorText.h"
#include "analysis/ui/AnalysisControls.h"
#include "analysis/ui/BreachLogModel.h"
#include "analysis/ui/FrmAirSensor.h"
#include "analysis/ui/FrmLimitSets.h"
#include "analysis/ui/FrmPourData.h"
#include "analysis/ui/FrmStationRoles.h"
#include "analysis/ui/StationTableModel.h"
#include "common/Clock.h"
#include "common/LongWork.h"
#include "common/NumberText.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "curves/ui/ChartPicture.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace analysis;

namespace {

constexpr int ProfileWidth = 6000;
constexpr int ProfileHeight = 4200;

QTableView* tableView(const QString& name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    return view;
}

QTreeWidget* treeList(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(headers);
    return list;
}

} // namespace

frmWenkongFenxi::frmWenkongFenxi(AnalysisInputs inputs, Prompts& prompts, Clock& clock,
                                 LongWork& work, FileLauncher& launcher, QString databasePath,
                                 StoreAccess access, QString documentsFolder, QWidget* parent)
    : QDialog(parent), m_inputs(std::move(inputs)), m_prompts(prompts), m_clock(clock),
      m_work(work), m_launcher(launcher), m_databasePath(std::move(databasePath)), m_access(access),
      m_documentsFolder(std::move(documentsFolder)) {
    setObjectName(QStringLiteral("frm温控分析"));
    setWindowTitle(QStringLiteral("温控分析"));
    m_stations = new StationTableModel(this);
    m_breaches = new BreachLogModel(this);
    auto* sides = new QSplitter(Qt::Horizontal, this);
    tblStations = tableView(QStringLiteral("tblStations"), sides);
    tblStations->setModel(m_stations);
    tblStations->setSortingEnabled(true);
    sides->addWidget(tblStations);
    sides->addWidget(buildStationSide());
    auto* body = new QSplitter(Qt::Vertical, this);
    body->addWidget(sides);
    body->addWidget(buildLists());
    body->setStretchFactor(0, 3);
    lblPour = new QLabel(this);
    lblPour->setObjectName(QStringLiteral("lblPour"));
    lblPour->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPourBar());
    layout->addWidget(buildButtons());
    layout->addWidget(lblPour);
    layout->addWidget(body, 1);
    connect(tblStations->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmWenkongFenxi::tblStations_Click);
    resize(1200, 820);
    fillPours();
    recompute();
}

frmWenkongFenxi::~frmWenkongFenxi() = default;

QWidget* frmWenkongFenxi::buildPourBar() {
    using AnalysisControls::button;
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    cboPour = new QComboBox(bar);
    cboPour->setObjectName(QStringLiteral("cboPour"));
    cboPour->setMinimumContentsLength(16);
    cmdNewPour = button(QStringLiteral("cmdNewPour"), QStringLiteral("新建浇筑"), bar);
    cmdPour = button(QStringLiteral("cmdPour"), QStringLiteral("编辑"), bar);
    cmdDeletePour = button(QStringLiteral("cmdDeletePour"), QStringLiteral("删除"), bar);
    cmdAssign = button(QStringLiteral("cmdAssign"), QStringLiteral("分配站点…"), bar);
    row->addWidget(new QLabel(QStringLiteral("浇筑："), bar));
    row->addWidget(cboPour);
    for (QPushButton* b : {cmdNewPour, cmdPour, cmdDeletePour, cmdAssign})
        row->addWidget(b);
    row->addStretch(1);
    connect(cboPour, &QComboBox::activated, this, &frmWenkongFenxi::cboPour_Click);
    connect(cmdNewPour, &QPushButton::clicked, this, &frmWenkongFenxi::cmdNewPour_Click);
    connect(cmdPour, &QPushButton::clicked, this, &frmWenkongFenxi::cmdPour_Click);
    connect(cmdDeletePour, &QPushButton::clicked, this, &frmWenkongFenxi::cmdDeletePour_Click);
    connect(cmdAssign, &QPushButton::clicked, this, &frmWenkongFenxi::cmdAssign_Click);
    return bar;
}

QWidget* frmWenkongFenxi::buildButtons() {
    using AnalysisControls::button;
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    cmdRoles = button(QStringLiteral("cmdRoles"), QStringLiteral("站点角色…"), bar);
    cmdAir = button(QStringLiteral("cmdAir"), QStringLiteral("大气传感器…"), bar);
    cmdLimits = button(QStringLiteral("cmdLimits"), QStringLiteral("限值组…"), bar);
    cmdMix = button(QStringLiteral("cmdMix"), QStringLiteral("配合比与强度…"), bar);
    cmdRefresh = button(QStringLiteral("cmdRefresh"), QStringLiteral("刷新"), bar);
    cmdPrint = button(QStringLiteral("cmdPrint"), QStringLiteral("打印曲线"), bar);
    cmdRecord = button(QStringLiteral("cmdRecord"), QStringLiteral("输出测温记录表"), bar);
    cmdSummary = button(QStringLiteral("cmdSummary"), QStringLiteral("输出项目汇总"), bar);
    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("退 出"), bar);
    for (QPushButton* b : {cmdRoles, cmdAir, cmdLimits, cmdMix, cmdRefresh, cmdPrint, cmdRecord, cmdSummary, cmdExit})
        row->addWidget(b);
    connect(cmdRoles, &QPushButton::clicked, this, &frmWenkongFenxi::cmdRoles_Click);
    connect(cmdAir, &QPushButton::clicked, this, &frmWenkongFenxi::cmdAir_Click);
    connect(cmdLimits, &QPushButton::clicked, this, &frmWenkongFenxi::cmdLimits_Click);
    connect(cmdMix, &QPushButton::clicked, this, &frmWenkongFenxi::cmdMix_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmWenkongFenxi::cmdRefresh_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWenkongFenxi::cmdPrint_Click);
    connect(cmdRecord, &QPushButton::clicked, this, &frmWenkongFenxi::cmdRecord_Click);
    connect(cmdSummary, &QPushButton::clicked, this, &frmWenkongFenxi::cmdSummary_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmWenkongFenxi::cmdExit_Click);
    return bar;
}

QWidget* frmWenkongFenxi::buildStationSide() {
    auto* side = new QSplitter(Qt::Vertical, this);
    scrChart = new QScrollArea(side);
    scrChart->setObjectName(QStringLiteral("scrChart"));
    picChart = new ChartPicture(scrChart);
    picChart->setObjectName(QStringLiteral("picChart"));
    scrChart->setWidget(picChart);
    scrStrength = new QScrollArea(side);
    scrStrength->setObjectName(QStringLiteral("scrStrength"));
    picStrength = new ChartPicture(scrStrength);
    picStrength->setObjectName(QStringLiteral("picStrength"));
    scrStrength->setWidget(picStrength);
    auto* profile = new QWidget(side);
    auto* column = new QVBoxLayout(profile);
    auto* pick = new QHBoxLayout;
    cboUpload = new QComboBox(profile);
    cboUpload->setObjectName(QStringLiteral("cboUpload"));
    pick->addWidget(new QLabel(QStringLiteral("截面温度分布，上传时间："), profile));
    pick->addWidget(cboUpload, 1);
    auto* scroll = new QScrollArea(profile);
    picProfile = new ChartPicture(scroll);
    picProfile->setObjectName(QStringLiteral("picProfile"));
    scroll->setWidget(picProfile);
    column->addLayout(pick);
    column->addWidget(scroll, 1);
    side->addWidget(scrChart);
    side->addWidget(scrStrength);
    side->addWidget(profile);
    side->setStretchFactor(0, 3);
    connect(cboUpload, &QComboBox::activated, this, &frmWenkongFenxi::cboUpload_Click);
    return side;
}

QWidget* frmWenkongFenxi::buildLists() {
    tabLists = new QTabWidget(this);
    tabLists->setObjectName(QStringLiteral("tabLists"));
    tblBreaches = tableView(QStringLiteral("tblBreaches"), tabLists);
    tblBreaches->setModel(m_breaches);
    lstGaps = treeList(QStringLiteral("lstGaps"),
                       {QStringLiteral("开始"), QStringLiteral("结束"), QStringLiteral("时长"),
                        QStringLiteral("说明")},
                       tabLists);
    lstSuspects = treeList(QStringLiteral("lstSuspects"),
                           {QStringLiteral("传感器"), QStringLiteral("站点"), QStringLiteral("测点"),
                            QStringLiteral("时间"), QStringLiteral("问题")},
                           tabLists);
    lstNotices = new QListWidget(tabLists);
    lstNotices->setObjectName(QStringLiteral("lstNotices"));
    tabLists->addTab(tblBreaches, {});
    tabLists->addTab(lstGaps, {});
    tabLists->addTab(lstSuspects, {});
    tabLists->addTab(lstNotices, {});
    return tabLists;
}

void frmWenkongFenxi::recompute() {
    const int station = m_station;
    m_result = PourAnalysis::compute(m_inputs, ReadingTime::wallClock(m_clock.now()));
    m_stations->setResult(&m_result);
    m_breaches->setResult(&m_result);
    tblStations->horizontalHeader()->setSortIndicator(StationTableModel::State, Qt::DescendingOrder);
    showStrengthColumns();
    tblStations->resizeColumnsToContents();
    tblBreaches->resizeColumnsToContents();
    showPour();
    fillLists();
    cboUpload->clear();
    for (int i = m_result.readings->uploadCount() - 1; i >= 0; --i)
        cboUpload->addItem(ReadingTime::text(m_result.times()[i]), i);
    m_station = -1;
    selectStation(station >= 0 && station < m_result.stations.size() ? station
                  : m_result.stations.isEmpty()                      ? -1
                                                                     : m_stations->stationAt(0));
}

void frmWenkongFenxi::showPour() {
    const PourSettings& p = m_result.pour.settings;
    const QString placed = p.placedAt.isValid() ? ReadingTime::text(p.placedAt) : QStringLiteral("未填写");
    const QString placing = p.placingTemperature
                                ? PlainNumber(*p.placingTemperature) + QStringLiteral("℃")
                                : QStringLiteral("未填写（温升为假定值）");
    const QString air = p.airSensor > 0 ? sensorText(p.airSensor) : QStringLiteral("未指定");
    lblPour->setText(QStringLiteral("浇筑：%1　浇筑时间：%2　入模温度：%3　大气传感器：%4　"
                                    "测温间隔：%5小时　限值组：%6（%7，预警比例%8%）")
                         .arg(m_inputs.pours.isEmpty() ? QStringLiteral("（尚未建立）") : m_result.pour.title(),
                              placed, placing, air,
                              PlainNumber(p.intervalHours), m_result.limits.name,
                              m_result.limits.describe(), PlainNumber(p.warningShare * 100)));
}

void frmWenkongFenxi::fillLists() {
    lstGaps->clear();
    for (const UploadGap& gap : m_result.gaps)
        new QTreeWidgetItem(lstGaps, {ReadingTime::text(gap.from), ReadingTime::text(gap.to),
                                      ScheduleWatch::span(gap.from.secsTo(gap.to)),
                                      gap.ongoing ? QStringLiteral("至今仍未上传") : QString()});
    lstSuspects->clear();
    for (const SuspectSensor& s : m_result.suspects)
        new QTreeWidgetItem(lstSuspects, {sensorText(s.sensor),
                                          s.station.isEmpty() ? QStringLiteral("大气") : s.station,
                                          s.slot > 0 ? QString::number(s.slot) : QString(),
                                          ReadingTime::text(s.at), s.description()});
    lstNotices->clear();
    lstNotices->addItems(m_result.notices);
    tabLists->setTabText(0, QStringLiteral("超限记录(%1)").arg(m_result.breaches.size()));
    tabLists->setTabText(1, QStringLiteral("数据缺口(%1)").arg(m_result.gaps.size()));
    tabLists->setTabText(2, QStringLiteral("可疑传感器(%1)").arg(m_result.suspects.size()));
    tabLists->setTabText(3, QStringLiteral("提示(%1)").arg(m_result.notices.size()));
}

void frmWenkongFenxi::selectStation(int station) {
    if (station == m_station)
        return;
    m_station = station;
    const int row = m_stations->rowOf(station);
    if (row >= 0 && tblStations->currentIndex().row() != row)
        tblStations->setCurrentIndex(m_stations->index(row, 0));
    drawChart();
    drawStrength();
    drawProfile();
}

void frmWenkongFenxi::tblStations_Click() {
    selectStation(m_stations->stationAt(tblStations->currentIndex().row()));
}

void frmWenkongFenxi::cboUpload_Click() {
    drawProfile();
}

void frmWenkongFenxi::drawChart() {
    drawWide(picChart, scrChart, AnalysisChart::PreferredHeight, [this](QPainter& painter, const QRect& box) {
        AnalysisChart(m_result, m_station).draw(painter, box);
    });
}

void frmWenkongFenxi::drawWide(ChartPicture* picture, const QScrollArea* area, int height,
                               const std::function<void(QPainter&, const QRect&)>& draw) {
    const int width = std::max(Twips::FromPixels(area->viewport()->width()), AnalysisChart::MinimumWidth);
    QImage image = ChartPicture::BlankImage(width, height);
    if (m_station >= 0) {
        QPainter painter(&image);
        draw(painter, QRect(0, 0, width, height));
    }
    picture->setImage(image);
}

void frmWenkongFenxi::drawProfile() {
    QImage image = ChartPicture::BlankImage(ProfileWidth, ProfileHeight);
    if (m_station >= 0) {
        QPainter painter(&image);
        SectionProfile::draw(painter, QRect(0, 0, ProfileWidth, ProfileHeight), m_result, m_station,
                             cboUpload->currentData().isValid() ? cboUpload->currentData().toInt() : -1);
    }
    picProfile->setImage(image);
}

void frmWenkongFenxi::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_station >= 0) {
        drawChart();
        drawStrength();
    }
}

void frmWenkongFenxi::warn(const QString& text) {
    m_prompts.message(this, QStringLiteral("提示："), text, Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void frmWenkongFenxi::cmdRoles_Click() {
    if (m_inputs.groups.isEmpty())
        return warn(QStringLiteral("尚未定义分组，请先在“分组定义”中定义站点。"));
    if (!havePour())
        return;
    if (m_inputs.pourGroups().isEmpty())
        return warn(QStringLiteral("本浇筑还没有站点，请先用“分配站点”分配站点。"));
    FrmStationRoles dialog(m_prompts, m_access, m_databasePath, m_inputs.pourGroups(), m_inputs.roles, this);
    if (m_prompts.runDialog(dialog) == QDialog::Accepted)
        reload(m_inputs.pour.id);
}

void frmWenkongFenxi::cmdAir_Click() {
    if (!havePour())
        return;
    FrmAirSensor dialog(m_prompts, m_access, m_inputs.pour.settings, m_inputs.readings->listedSensors(), this);
    saveShown(m_prompts.runDialog(dialog), dialog.settings());
}

void frmWenkongFenxi::cmdLimits_Click() {
    FrmLimitSets dialog(m_prompts, m_access, m_databasePath, m_inputs.pour.settings, m_inputs.customSets, this);
    const int result = m_prompts.runDialog(dialog);
    // Sets saved or deleted count even when the dialog is cancelled; the set chosen needs a
    // pour to be kept for.
    if (result == QDialog::Accepted && !m_inputs.pours.isEmpty())
        return saveShown(result, dialog.settings());
    if (result == QDialog::Accepted)
        warn(QStringLiteral("尚未建立浇筑，所选限值组和预警比例没有保存；限值组的修改已保存。"));
    reload(m_inputs.pour.id);
}

void frmWenkongFenxi::cmdRefresh_Click() {
    reload(m_inputs.pour.id);
}

void frmWenkongFenxi::cmdExit_Click() {
    close();
}
