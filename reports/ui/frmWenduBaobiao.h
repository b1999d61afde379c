#pragma once

#include <QDialog>

#include <array>

class Clock;
class FileLauncher;
class LongWork;
class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
struct ExportResult;
struct StationQuery;

// The station report window ("frm温度报表"): one station's records, or every station's,
// over a range of dates as fixed-layout lines, written out as a text file or as a workbook
// made from the template. The workbook is written as long work; the window stays open
// until it is done.
class frmWenduBaobiao : public QDialog {
    Q_OBJECT

public:
    // The template is read from `programFolder`'s data files; the outputs are proposed
    // under `documentsFolder`.
    frmWenduBaobiao(Prompts& prompts, Clock& clock, LongWork& work, FileLauncher& launcher,
                    QString databasePath, QString programFolder, QString documentsFolder,
                    QWidget* parent = nullptr);
    ~frmWenduBaobiao() override;

    // The template's file name among the program's data files.
    static inline const QString TemplateName = QStringLiteral("测温数据输出模板.xlsx_");

    // The station last read from the chooser; 2000 for all stations.
    int StationNum = 1;

public slots:
    void GetData();
    void Data2ExcelTab();
    void Cmd_Shuaxin_Click();
    void Cmd2ExcelTab_Click();
    void CmdPrn_Click();
    void cmdExit_Click();
    void Timer1_Timer();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void getGroupsNames();
    void Label1_Click(int index);
    // Reads the station from the chooser into StationNum, with the dates of the labels.
    [[nodiscard]] StationQuery readQuery();
    void showProgress(int figure);
    void workbookWritten(const ExportResult& result, const QString& target);

    Prompts& m_prompts;
    Clock& m_clock;
    LongWork& m_work;
    FileLauncher& m_launcher;
    QString m_databasePath;
    QString m_programFolder;
    QString m_documentsFolder;
    QListWidget* List1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Cmd_Shuaxin = nullptr;
    QPushButton* Cmd2ExcelTab = nullptr;
    QPushButton* CmdPrn = nullptr;
    QPushButton* cmdExit = nullptr;
    // The start (0) and end (1) date labels, "yyyy-mm-dd".
    std::array<QLabel*, 2> Label1{};
    QTimer* Timer1 = nullptr;
};
