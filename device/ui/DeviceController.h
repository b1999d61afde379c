#pragma once

#include "link/DeviceInfo.h"
#include "link/DeviceLink.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Clock;
class FormatWait;
class Frm_PowerDelayTime;
class PortSearch;
class Prompts;
class QLineEdit;
class QStandardItemModel;
class QTreeView;
class QWidget;
class UploadReadings;
class UploadSequence;
class WaitingPanel;
struct CommandResult;

// The device commands of the main window: connect, information, upload, the settings and
// the factory commands. It owns the link to the recorder, the last information read and
// the readings of the last upload, fills the information and upload lists it is handed,
// and tells the window what to show in the status bar and menus. The commands run as the
// recorder answers; each handler returns at once.
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
    [[nodiscard]] UploadReadings& uploadReadings() { return *m_readings; }

    // True while a command holds the link. A command given meanwhile is refused and must
    // change nothing on screen: the running one owns the waiting panel and the lists.
    [[nodiscard]] bool linkBusy();

    // Shows the upload's progress on the waiting panel; the window's timer calls it on
    // every tick while the panel is shown.
    void ShowTransferPercent();

    void ShowUploadDatas(const QStringList& readings);
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
    [[nodiscard]] bool requireConnected();
    void setLinked(bool linked);
    void searchFinished(bool found, const DeviceInfo& information);
    // Reads the information and shows it.
    void readInformation();
    // The same behind the waiting panel, as the information command does it; `then` runs
    // once the list shows it, or at once when the command is not given.
    void readInformationWaiting(const std::function<void()>& then);
    void showInformation(const CommandResult& result);
    void uploadBlockEnded(bool whole);
    void uploadStamped(const QStringList& readings);
    void tellUploadFailed();
    void showTransferText(int percent);
    void showUploadRows(const QStringList& temperatures, int temperatureWidthTwips);
    void formatFinished(bool answered);
    void sendPowerOffDelay(Frm_PowerDelayTime& dialog, int minutes);
    // A connect and a format take the waiting panel over and put it back as it was.
    void keepPanel();
    void restorePanel();

    QWidget& m_window;
    Prompts& m_prompts;
    Clock& m_clock;
    WaitingPanel& m_panel;
    Views m_views;
    DeviceLink m_link;
    // The sequences hold the link while they run, so they go before it.
    std::unique_ptr<PortSearch> m_search;
    std::unique_ptr<UploadSequence> m_upload;
    std::unique_ptr<FormatWait> m_format;
    QStandardItemModel* m_info;
    UploadReadings* m_readings;
    // The last information the recorder gave, as the information list shows it.
    DeviceInfo m_information;
    // The waiting panel's caption and scale before a connect or a format took it over.
    QString m_keptCaption;
    int m_keptMaximum = 0;
};
