#pragma once

#include "link/DeviceLink.h"

#include <QObject>
#include <QString>

class Clock;
class Prompts;
class QLineEdit;
class QStandardItemModel;
class QTreeView;
class QWidget;
class UploadReadings;
class WaitingPanel;

// The device commands of the main window: connect, information, upload, the settings and
// the factory commands. It owns the link to the recorder and the readings of the last
// upload, fills the information and upload lists it is handed, and tells the window what
// to show in the status bar and menus.
class DeviceController : public QObject {
    Q_OBJECT

signals:
    // The link was made or lost: the window enables the device items to match.
    void linkChanged(bool linked);
    void statusChanged(const QString& text);
    // An upload's readings are in the upload list, ready to be saved.
    void uploadShown();

public:
    // The lists this controller fills: the information list, and the upload list with its
    // in-place editor.
    struct Views {
        QTreeView* info = nullptr;
        QTreeView* upload = nullptr;
        QLineEdit* editor = nullptr;
    };

    DeviceController(QWidget& window, Prompts& prompts, Clock& clock, WaitingPanel& panel,
                     const Views& views, const DeviceLink::TransportFactory& makeTransport = {});
    ~DeviceController() override;

    [[nodiscard]] DeviceLink& link() { return m_link; }
    [[nodiscard]] UploadReadings& uploadReadings() { return *m_upload; }

    // Shows the upload's progress on the waiting panel; the window's timer calls it on
    // every tick while the panel is shown.
    void ShowTransferPercent();

    void ShowUploadDatas();
    void info_ListView1();
    void ListView2Ini0();

public slots:
    void MenuDrv_Click();
    void menu_Connect_Click();
    void Menu_Info_Click();
    void menu_Upload_Click();
    void menu_format_Click();
    void Menu_PowerDelayTime_Click();
    void menu_PowerOff_Click();
    void menu_SetAll0_Click();
    void menu_Set_Sn_Click();
    void Menu_UpDT_Click();
    void Menu_Err_set_Click();
    void Menu_AutoOperate_Click();

private:
    // True while another exchange holds the link. A command refused for that reason must
    // change nothing on screen: the running one owns the waiting panel and the lists.
    [[nodiscard]] bool linkBusy();
    [[nodiscard]] bool requireConnected();
    void showTransferText(int percent);
    void tellUploadFailed();
    void setLinked(bool linked);
    void showUploadRows(const QStringList& temperatures, int temperatureWidthTwips);

    QWidget& m_window;
    Prompts& m_prompts;
    Clock& m_clock;
    WaitingPanel& m_panel;
    Views m_views;
    DeviceLink m_link;
    QStandardItemModel* m_info;
    UploadReadings* m_upload;
    bool m_linked = false;
    // True while an upload's block is arriving, so the timer shows its percentage.
    bool m_uploading = false;
};
