#pragma once

#include <QDate>
#include <QDialog>

#include <array>
#include <optional>

class ChartPicture;
class Clock;
class MyFunctions;
class PrintLayout;
class Prompts;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QImage;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;
struct StationChart;

// The curve window: one station's temperature curves over two days, drawn into a wide
// picture that the user scrolls by days or drags sideways, printed over as many pages as
// it needs and saved as a bitmap. Its object name is "frm温度曲线".
class frmWenduQuxian : public QDialog {
    Q_OBJECT

public:
    // The chart keeps the newest-data position between openings; its database is the one
    // the station list is read from.
    frmWenduQuxian(MyFunctions& chart, Prompts& prompts, Clock& clock, QWidget* parent = nullptr);

    static constexpr qint32 LeftMarginHours = 20;
    static constexpr int PictureTop = 500;

    QFrame* FrameBoot = nullptr;
    QGroupBox* Frame1 = nullptr;
    // The two date labels, start and end; the calendar picker finds them by name and index.
    std::array<QLabel*, 2> Label1{};
    QPushButton* cmdMoveLeft = nullptr;
    QPushButton* cmdMoveright = nullptr;
    QPushButton* cmdToday = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Cmd_Shuaxin = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* CmdPrn = nullptr;
    QPushButton* cmdPrnHalf = nullptr;
    QPushButton* cmd2Bmp = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Frame3 = nullptr;
    ChartPicture* Picture1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QTimer* Timer1 = nullptr;

    // The picture's place and size in twips; its left edge is relative to Frame3.
    [[nodiscard]] qint32 pictureLeft() const { return m_pictureLeft; }
    [[nodiscard]] qint32 pictureWidth() const { return m_pictureWidth; }
    [[nodiscard]] qint32 frameWidth() const;

public slots:
    void getGroupsNames();
    void cmdMoveLeft_Click();
    void cmdMoveright_Click();
    void cmdToday_Click();
    void Cmd_Shuaxin_Click();
    void Combo1_Click();
    void Label1_Click(int index);
    void HScroll1_Change(int value);
    void Picture1_MouseDown(Qt::MouseButton button, const QPoint& position);
    void Picture1_MouseUp(Qt::MouseButton button, const QPoint& position);
    void CmdPrn_Click();
    void cmdPrnHalf_Click();
    void cmd2Bmp_Click();
    void cmdExit_Click();
    void Timer1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    [[nodiscard]] QWidget* buildDateFrame();
    [[nodiscard]] QWidget* buildStationPanel();
    [[nodiscard]] QWidget* buildOutputFrame();
    void Form_Load();

    [[nodiscard]] QDate labelDate(int index) const;
    void setLabelDate(int index, const QDate& date);
    void setPicture(const QImage& image, qint32 widthTwips);
    void setPictureLeft(qint32 left);
    void clampPicture();

    void printPicture(bool halfWidth);
    // The chart of the last redraw, when there is one, drawn again in vector form.
    void printPage(QPainter& painter, const PrintLayout& layout, int page,
                   const std::optional<StationChart>& chart);

    MyFunctions& m_chart;
    Prompts& m_prompts;
    Clock& m_clock;

    // What the last redraw drew.
    bool m_drawn = false;
    qint16 m_station = 0;
    QDate m_endDate;
    qint16 m_dayCount = 0;

    qint32 m_pictureLeft = 0;
    qint32 m_pictureWidth = 0;
    qint32 m_dragStartX = 0;
};
