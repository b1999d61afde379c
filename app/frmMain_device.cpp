// The main window's device commands: connect, information, upload, settings, factory.
#include "frmMain.h"

#include "Clock.h"
#include "CommandTable.h"
#include "DeviceInfoRows.h"
#include "DeviceLink.h"
#include "FrmAutoOpration.h"
#include "Frm_PowerDelayTime.h"
#include "Module1.h"
#include "Pause.h"
#include "PortCandidates.h"
#include "Prompts.h"
#include "RegWR.h"
#include "TransferPercent.h"
#include "TwipsScale.h"
#include "UploadTexts.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

namespace {

const QString Hint = QStringLiteral("提示：");
const QString Detected = QStringLiteral("检测到：");
const QString CrLf = QStringLiteral("\r\n");
const QString DriverMissing =
    QStringLiteral("设备USB接口驱动程序尚未安装，请使用设备随机安装光盘进行安装");
// The progress bar's tag while an upload is in progress: the percentage is counted
// against a block of this many bytes.
const QString UploadTag = QStringLiteral("1999");

QString connectChecklist() {
    return QStringLiteral(
               "(如果设备已经通过USB口与本计算机连接，需要先关闭其电源，并从计算机USB口上"
               "拔下，等待30秒。)") +
           CrLf + CrLf + QStringLiteral("1、将设备通过USB口与本计算机连接；") + CrLf +
           QStringLiteral(
               "2、按下设备开机键，打开设备电源；设备屏幕上应该显示“Tenvaro QK-xx”字样；") +
           CrLf;
}

void fillReportList(QTreeWidget* list, const QStringList& headers, const QList<int>& widthsTwips,
                    const QList<QTreeWidgetItem*>& rows) {
    list->setColumnCount(static_cast<int>(headers.size()));
    list->setHeaderLabels(headers);
    for (int i = 0; i < widthsTwips.size(); ++i)
        list->setColumnWidth(i, Twips::ToPixels(widthsTwips[i]));
    list->addTopLevelItems(rows);
}

} // namespace

DeviceLink& frmMain::deviceLink() {
    if (!m_deviceLink)
        m_deviceLink = new DeviceLink(m_clock, this);
    return *m_deviceLink;
}

bool frmMain::requireConnected() {
    if (Module1::ComPortNo != 0)
        return true;
    m_prompts.message(this, Hint, QStringLiteral("请先与设备联机！"), Prompts::Buttons::Ok,
                      Prompts::Icon::Information);
    return false;
}

// --- Driver check and connect ------------------------------------------------------------

void frmMain::MenuDrv_Click() {
    const QString text =
        RegWR::DriverInstalled() ? QStringLiteral("设备USB接口驱动程序已经安装。") : DriverMissing;
    m_prompts.message(this, Detected, text, Prompts::Buttons::Ok, Prompts::Icon::Information);
}

void frmMain::menu_Connect_Click() {
    // A click toggles the check mark by itself; the mark shows the link state, which only
    // the outcome of a connect may change.
    menu_Connect->setChecked(Menu_Info->isEnabled());
    // Another connect, or any command, is using the port right now: a second search would
    // reset ComPortNo under it and report a recorder that answered as missing.
    if (m_connecting || deviceLink().rs().CommandBusy())
        return;
    if (!RegWR::DriverInstalled()) {
        m_prompts.message(this, Detected, DriverMissing, Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    if (m_prompts.message(this, QStringLiteral("请确认先对“电子测温记录仪”进行了以下操作："),
                          connectChecklist(), Prompts::Buttons::OkCancel,
                          Prompts::Icon::Information) != Prompts::Answer::Ok)
        return;

    m_connecting = true;
    const QString caption = Label1->text();
    ProgressBar1->hide();
    Label1->setText(QStringLiteral("请稍等，正在查找设备....."));
    PicWaiting->show();
    const bool found = AuToConfigCom();
    PicWaiting->hide();
    ProgressBar1->show();
    Label1->setText(caption);
    m_connecting = false;

    if (found) {
        sbPanel1->setText(QStringLiteral("已与设备联机。"));
        m_prompts.message(this, Detected, QStringLiteral("设备联机成功！"), Prompts::Buttons::Ok,
                          Prompts::Icon::Information);
        SetDeviceItemsEnabled(true);
        // The list shows a fresh reading, not the probe's.
        deviceLink().rs().SendCommand(ReadInfo);
        info_ListView1();
    } else {
        sbPanel1->setText(QStringLiteral("与设备联机失败。"));
        m_prompts.message(this, Detected, QStringLiteral("设备联机失败！"), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        Module1::ComPortNo = 0;
        SetDeviceItemsEnabled(false);
    }
}

bool frmMain::AuToConfigCom() {
    RS_fun& rs = deviceLink().rs();
    const QList<quint8> candidates = CandidatePorts(RegWR::ListSerialPorts());
    Module1::ComPortNo = 0;
    for (quint8 port : candidates) {
        Module1::ComPortNo = port;
        rs.SendCommand(WakeUp);
        Pause(m_clock, 1000);
        if (rs.SendCommand(ReadInfo))
            break;
        Module1::ComPortNo = 0;
    }
    if (Module1::ComPortNo != 0)
        return true;
    m_prompts.message(this, Hint, QStringLiteral("没有检测到有效的设备。"), Prompts::Buttons::Ok,
                      Prompts::Icon::Warning);
    return false;
}

// --- Information -------------------------------------------------------------------------

void frmMain::Menu_Info_Click() {
    if (!requireConnected())
        return;
    PicWaiting->show();
    m_progressTag = QStringLiteral("0");
    Label1->setText(QStringLiteral("正在读取信息..."));
    deviceLink().rs().SendCommand(ReadInfo);
    PicWaiting->hide();
    info_ListView1();
}

void frmMain::info_ListView1() {
    ClearListView(ListView1);
    ListView1->clear();
    QList<QTreeWidgetItem*> rows;
    for (const auto& [label, value] : DeviceInfoRows(deviceLink().state()))
        rows.append(new QTreeWidgetItem(QStringList{label, value}));
    fillReportList(ListView1, {QStringLiteral("当前设备信息"), QStringLiteral("值")}, {2400, 3000},
                   rows);
}

// --- Upload ------------------------------------------------------------------------------

void frmMain::menu_Upload_Click() {
    if (!requireConnected())
        return;
    PicWaiting->show();
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    Label1->setText(QStringLiteral("请稍等，数据正在传输中......"));
    m_progressTag = UploadTag;

    RS_fun& rs = deviceLink().rs();
    rs.SendCommand(ReadData);
    // The recorder notes this moment as its last upload, whatever became of the block.
    rs.SendCommand(SetUploadTime);

    m_progressTag.clear();
    Label1->clear();
    PicWaiting->hide();
    ShowUploadDatas();
    Save2Mdb();
    rs.SendCommand(ReadInfo);
    info_ListView1();
}

void frmMain::ShowUploadDatas() {
    ClearListView(ListView2);
    QList<QTreeWidgetItem*> rows;
    const QStringList texts = UploadTexts(deviceLink().state().UploadList);
    rows.reserve(texts.size());
    for (int k = 0; k < texts.size(); ++k)
        rows.append(new QTreeWidgetItem(QStringList{QString::number(k + 1), texts[k]}));
    fillReportList(ListView2, {QStringLiteral("数据编号"), QStringLiteral("温度值")}, {1500, 15000},
                   rows);
}

void frmMain::ListView2Ini0() {
    deviceLink().state().UploadList = QStringLiteral("0;").repeated(999);
    ClearListView(ListView2);
    QList<QTreeWidgetItem*> rows;
    for (int k = 1; k <= 999; ++k)
        rows.append(new QTreeWidgetItem(QStringList{QString::number(k), QStringLiteral("0")}));
    fillReportList(ListView2, {QStringLiteral("数据编号"), QStringLiteral("温度值")}, {1500, 1500},
                   rows);
}

void frmMain::ShowTransferPercent() {
    if (m_progressTag != UploadTag)
        return;
    // Past 100 % there is no new value; the bar keeps what it shows.
    if (const std::optional<int> percent = TransferPercent(deviceLink().state().RecvCount))
        ProgressBar1->setValue(*percent);
    Label1->setText(QStringLiteral("数据正在传输中...%1%").arg(ProgressBar1->value()));
}

// --- Settings ----------------------------------------------------------------------------

void frmMain::menu_format_Click() {
    const QString question =
        QStringLiteral("设备内的数据将被清空，继续否？") + CrLf + CrLf +
        QStringLiteral("（如果设备内的有用数据没有被复制，请先将其复制的计算机）");
    if (m_prompts.message(this, QStringLiteral("特别提示："), question, Prompts::Buttons::YesNo,
                          Prompts::Icon::Warning) != Prompts::Answer::Yes)
        return;
    const QString caption = Label1->text();
    const int maximum = ProgressBar1->maximum();
    ProgressBar1->setRange(1, 60);
    ProgressBar1->setValue(1);
    ProgressBar1->show();
    Label1->setText(QStringLiteral("设备内的数据正在被清空..."));
    PicWaiting->show();

    const bool answered = deviceLink().rs().SendCommand(FormatData);
    // The recorder takes up to a minute to erase its memory, and may be erasing even when
    // its answer was lost, so it gets the whole time either way.
    ProgressBar1->setValue(1);
    while (ProgressBar1->value() < 60) {
        ProgressBar1->setValue(ProgressBar1->value() + 1);
        Pause(m_clock, 1000);
    }
    if (answered) {
        m_prompts.message(this, Module1::AppTitle, QStringLiteral("清空数据的命令已被设备执行！"),
                          Prompts::Buttons::Ok, Prompts::Icon::Information);
    } else {
        m_prompts.message(this, Hint,
                          QStringLiteral("设备没有回应清空数据的命令，请查看设备信息，"
                                         "确认数据是否已被清空。"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
    }
    ProgressBar1->show();
    PicWaiting->hide();
    ProgressBar1->setMaximum(maximum);
    Label1->setText(caption);
    deviceLink().rs().SendCommand(ReadInfo);
    info_ListView1();
}

void frmMain::Menu_PowerDelayTime_Click() {
    Frm_PowerDelayTime dialog(deviceLink().rs(), this);
    connect(&dialog, &Frm_PowerDelayTime::settingSent, this, &frmMain::Menu_Info_Click);
    dialog.exec();
}

void frmMain::menu_PowerOff_Click() {
    // The recorder goes away, but ComPortNo stays: the factory commands still use it.
    SetDeviceItemsEnabled(false);
    deviceLink().rs().SendCommand(PowerOff);
}

void frmMain::menu_SetAll0_Click() {
    deviceLink().rs().SendCommand(ClearChip);
}

void frmMain::menu_Set_Sn_Click() {
    deviceLink().rs().SendCommand(SetSerialNo);
}

void frmMain::Menu_UpDT_Click() {
    deviceLink().rs().SendCommand(SetUploadTime);
}

void frmMain::Menu_Err_set_Click() {
    deviceLink().rs().SendCommand(CalibrateError);
}

void frmMain::Menu_AutoOperate_Click() {
    FrmAutoOpration dialog(deviceLink().rs(), m_clock, this);
    dialog.exec();
}
