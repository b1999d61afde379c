#include "device/ui/DeviceController.h"

#include "common/Module1.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "common/ui/WaitingPanel.h"
#include "device/DeviceInfoRows.h"
#include "device/FormatWait.h"
#include "device/TransferPercent.h"
#include "device/UploadReadings.h"
#include "device/UploadSequence.h"
#include "device/UploadTexts.h"
#include "device/ui/FrmAutoOpration.h"
#include "device/ui/Frm_PowerDelayTime.h"
#include "device/ui/UploadListEditor.h"
#include "link/CommandTable.h"
#include "link/PortCandidates.h"
#include "link/PortSearch.h"
#include "link/RegWR.h"

#include <QHeaderView>
#include <QPointer>
#include <QStandardItemModel>
#include <QTreeView>

namespace {

const QString Hint = QStringLiteral("提示：");
const QString Detected = QStringLiteral("检测到：");
const QString CrLf = QStringLiteral("\r\n");
const QString DriverMissing =
    QStringLiteral("设备USB接口驱动程序尚未安装，请使用设备随机安装光盘进行安装");

QString connectChecklist() {
    return QStringLiteral(
               "(如果设备已经通过USB口与本计算机连接，需要先关闭其电源，并从计算机USB口上"
               "拔下，等待30秒。)") +
           CrLf + CrLf + QStringLiteral("1、将设备通过USB口与本计算机连接；") + CrLf +
           QStringLiteral(
               "2、按下设备开机键，打开设备电源；设备屏幕上应该显示“Tenvaro QK-xx”字样；") +
           CrLf;
}

void setColumnWidths(QTreeView* list, std::initializer_list<int> widthsTwips) {
    int column = 0;
    for (int width : widthsTwips)
        list->header()->resizeSection(column++, Twips::ToPixels(width));
}

} // namespace

DeviceController::DeviceController(QWidget& window, Prompts& prompts, Clock& clock,
                                   WaitingPanel& panel, const Views& views,
                                   const DeviceLink::TransportFactory& makeTransport)
    : QObject(&window),
      m_window(window),
      m_prompts(prompts),
      m_clock(clock),
      m_panel(panel),
      m_views(views),
      m_link(clock, makeTransport),
      m_search(std::make_unique<PortSearch>(m_link.rs(), clock)),
      m_upload(std::make_unique<UploadSequence>(m_link.rs())),
      m_format(std::make_unique<FormatWait>(m_link.rs(), clock)),
      m_info(new QStandardItemModel(this)),
      m_readings(new UploadReadings(this)) {
    // The editor lives as long as the list it edits.
    new UploadListEditor(*views.upload, *views.editor, *m_readings);
    m_views.info->setModel(m_info);
    m_views.upload->setModel(m_readings);
    m_views.upload->header()->setStretchLastSection(false);
    m_views.info->header()->setStretchLastSection(false);

    connect(m_search.get(), &PortSearch::finished, this, &DeviceController::searchFinished);
    connect(m_upload.get(), &UploadSequence::blockEnded, this, &DeviceController::uploadBlockEnded);
    connect(m_upload.get(), &UploadSequence::stamped, this, &DeviceController::uploadStamped);
    connect(m_upload.get(), &UploadSequence::finished, this, &DeviceController::showInformation);
    connect(m_format.get(), &FormatWait::second, this,
            [this](int step) { m_panel.setProgress(step); });
    connect(m_format.get(), &FormatWait::finished, this, &DeviceController::formatFinished);
}

DeviceController::~DeviceController() = default;

bool DeviceController::linkBusy() {
    return m_link.rs().CommandBusy();
}

bool DeviceController::requireConnected() {
    if (m_link.state().ComPortNo != 0)
        return true;
    m_prompts.message(&m_window, Hint, QStringLiteral("请先与设备联机！"), Prompts::Buttons::Ok,
                      Prompts::Icon::Information);
    return false;
}

void DeviceController::setLinked(bool linked) {
    m_link.state().Linked = linked;
    emit linkChanged(linked);
}

void DeviceController::keepPanel() {
    m_keptCaption = m_panel.waitingText();
    m_keptMaximum = m_panel.progressMaximum();
}

void DeviceController::restorePanel() {
    m_panel.hideWaiting();
    m_panel.setProgressRange(0, m_keptMaximum);
    m_panel.setWaitingText(m_keptCaption);
}

// --- Driver check and connect ------------------------------------------------------------

void DeviceController::MenuDrv_Click() {
    const QString text =
        RegWR::DriverInstalled() ? QStringLiteral("设备USB接口驱动程序已经安装。") : DriverMissing;
    m_prompts.message(&m_window, Detected, text, Prompts::Buttons::Ok, Prompts::Icon::Information);
}

void DeviceController::menu_Connect_Click() {
    // A click toggles the check mark by itself; the mark shows the link state, which only
    // the outcome of a connect may change.
    emit linkChanged(m_link.state().Linked);
    if (linkBusy())
        return;
    if (!RegWR::DriverInstalled()) {
        m_prompts.message(&m_window, Detected, DriverMissing, Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    if (m_prompts.message(&m_window, QStringLiteral("请确认先对“电子测温记录仪”进行了以下操作："),
                          connectChecklist(), Prompts::Buttons::OkCancel,
                          Prompts::Icon::Information) != Prompts::Answer::Ok)
        return;

    keepPanel();
    m_panel.showWaiting(QStringLiteral("请稍等，正在查找设备....."), false);
    const QList<quint8> candidates = CandidatePorts(RegWR::ListSerialPorts(m_link.state().Ports));
    if (!m_search->start(candidates))
        restorePanel();
}

void DeviceController::searchFinished(bool found, const DeviceInfo& information) {
    if (!found) {
        m_prompts.message(&m_window, Hint, QStringLiteral("没有检测到有效的设备。"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
        restorePanel();
        emit statusChanged(QStringLiteral("与设备联机失败。"));
        m_prompts.message(&m_window, Detected, QStringLiteral("设备联机失败！"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
        m_link.state().ComPortNo = 0;
        setLinked(false);
        return;
    }
    restorePanel();
    m_information.update(information);
    emit statusChanged(QStringLiteral("已与设备联机。"));
    m_prompts.message(&m_window, Detected, QStringLiteral("设备联机成功！"), Prompts::Buttons::Ok,
                      Prompts::Icon::Information);
    setLinked(true);
    // The list shows a fresh reading, not the probe's.
    readInformation();
}

// --- Information -------------------------------------------------------------------------

void DeviceController::Menu_Info_Click() {
    readInformationWaiting({});
}

void DeviceController::readInformationWaiting(const std::function<void()>& then) {
    if (linkBusy() || !requireConnected()) {
        if (then)
            then();
        return;
    }
    m_panel.showWaiting(QStringLiteral("正在读取信息..."), true);
    m_link.rs().SendCommand(ReadInfo, this, [this, then](const CommandResult& result) {
        m_panel.hideWaiting();
        showInformation(result);
        if (then)
            then();
    });
}

void DeviceController::readInformation() {
    m_link.rs().SendCommand(ReadInfo, this,
                            [this](const CommandResult& result) { showInformation(result); });
}

void DeviceController::showInformation(const CommandResult& result) {
    // A request that got no answer leaves what the recorder said before.
    if (result.ok)
        m_information.update(result.info);
    info_ListView1();
}

void DeviceController::info_ListView1() {
    m_info->clear();
    m_info->setHorizontalHeaderLabels({QStringLiteral("当前设备信息"), QStringLiteral("值")});
    for (const auto& [label, value] : DeviceInfoRows(m_information))
        m_info->appendRow({new QStandardItem(label), new QStandardItem(value)});
    setColumnWidths(m_views.info, {2400, 3000});
}

// --- Upload ------------------------------------------------------------------------------

void DeviceController::menu_Upload_Click() {
    if (linkBusy() || !requireConnected())
        return;
    m_panel.showWaiting(QStringLiteral("请稍等，数据正在传输中......"), true);
    m_panel.setProgressRange(0, 100);
    m_panel.setProgress(0);
    m_upload->start();
}

void DeviceController::uploadBlockEnded(bool whole) {
    // The stamp that follows counts its own bytes from nought; the display holds at 100 %.
    if (whole)
        showTransferText(100);
}

void DeviceController::uploadStamped(const QStringList& readings) {
    m_panel.setWaitingText({});
    m_panel.hideWaiting();
    if (readings.isEmpty())
        tellUploadFailed();
    ShowUploadDatas(readings);
    if (!readings.isEmpty())
        emit uploadShown();
}

void DeviceController::tellUploadFailed() {
    m_prompts.message(&m_window, Hint,
                      QStringLiteral("没有收到完整的设备数据，本次数据获取失败。") + CrLf +
                          QStringLiteral("请确认设备已开机并与计算机连接，然后重新获取数据。"),
                      Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void DeviceController::showUploadRows(const QStringList& temperatures, int temperatureWidthTwips) {
    m_readings->setReadings(temperatures);
    setColumnWidths(m_views.upload, {1500, temperatureWidthTwips});
}

void DeviceController::ShowUploadDatas(const QStringList& readings) {
    showUploadRows(UploadTexts(readings), 15000);
}

void DeviceController::ListView2Ini0() {
    showUploadRows(QStringList(999, QStringLiteral("0")), 1500);
}

void DeviceController::ShowTransferPercent() {
    if (!m_upload->receivingBlock())
        return;
    // Past 100 % there is no new value; the bar keeps what it shows.
    showTransferText(TransferPercent(m_upload->bytesReceived()).value_or(m_panel.progress()));
}

void DeviceController::showTransferText(int percent) {
    m_panel.setProgress(percent);
    m_panel.setWaitingText(QStringLiteral("数据正在传输中...%1%").arg(percent));
}

// --- Settings ----------------------------------------------------------------------------

void DeviceController::menu_format_Click() {
    if (linkBusy())
        return;
    const QString question =
        QStringLiteral("设备内的数据将被清空，继续否？") + CrLf + CrLf +
        QStringLiteral("（如果设备内的有用数据没有被复制，请先将其复制的计算机）");
    if (m_prompts.message(&m_window, QStringLiteral("特别提示："), question,
                          Prompts::Buttons::YesNo,
                          Prompts::Icon::Warning) != Prompts::Answer::Yes)
        return;
    keepPanel();
    m_panel.setProgressRange(1, FormatWait::LastStep);
    m_panel.setProgress(1);
    m_panel.showWaiting(QStringLiteral("设备内的数据正在被清空..."), true);
    if (!m_format->start())
        restorePanel();
}

void DeviceController::formatFinished(bool answered) {
    if (answered) {
        m_prompts.message(&m_window, Module1::AppTitle,
                          QStringLiteral("清空数据的命令已被设备执行！"), Prompts::Buttons::Ok,
                          Prompts::Icon::Information);
    } else {
        m_prompts.message(&m_window, Hint,
                          QStringLiteral("设备没有回应清空数据的命令，请查看设备信息，"
                                         "确认数据是否已被清空。"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
    }
    restorePanel();
    readInformation();
}

void DeviceController::Menu_PowerDelayTime_Click() {
    if (linkBusy())
        return;
    Frm_PowerDelayTime dialog(m_information.powerOffMin.value_or(QString()), &m_window);
    connect(&dialog, &Frm_PowerDelayTime::sendRequested, this,
            [this, &dialog](int minutes) { sendPowerOffDelay(dialog, minutes); });
    m_prompts.runDialog(dialog);
}

void DeviceController::sendPowerOffDelay(Frm_PowerDelayTime& dialog, int minutes) {
    // The user may close the dialog before the recorder has answered; the information is
    // read again all the same.
    const QPointer<Frm_PowerDelayTime> shown(&dialog);
    const auto ended = [shown] {
        if (shown)
            shown->sendingEnded();
    };
    m_link.rs().SendCommand(SetPowerOffDelay, this,
                            [this, ended](const CommandResult&) { readInformationWaiting(ended); },
                            {double(minutes)});
}

void DeviceController::menu_PowerOff_Click() {
    if (linkBusy())
        return;
    // The recorder goes away, but ComPortNo stays: the factory commands still use it.
    setLinked(false);
    m_link.rs().SendCommand(PowerOff);
}

void DeviceController::menu_SetAll0_Click() {
    m_link.rs().SendCommand(ClearChip);
}

void DeviceController::menu_Set_Sn_Click() {
    m_link.rs().SendCommand(SetSerialNo);
}

void DeviceController::Menu_UpDT_Click() {
    m_link.rs().SendCommand(SetUploadTime);
}

void DeviceController::Menu_Err_set_Click() {
    m_link.rs().SendCommand(CalibrateError);
}

void DeviceController::Menu_AutoOperate_Click() {
    if (linkBusy())
        return;
    FrmAutoOpration dialog(m_link.rs(), m_clock, &m_window);
    // The sequence's readings are the recorder's latest; the list shows them next time.
    connect(&dialog, &FrmAutoOpration::informationRead, this,
            [this](const DeviceInfo& information) { m_information.update(information); });
    m_prompts.runDialog(dialog);
}
