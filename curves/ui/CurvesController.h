#pragma once

#include "curves/MyFunctions.h"

#include <QObject>

class Clock;
class Prompts;
class QWidget;

// The temperature-curve commands of the main window. It keeps the chart's newest-data
// position for the whole run of the program, as every opening of the curve window reads it.
class CurvesController : public QObject {
    Q_OBJECT

public:
    // parent: the window the curve window opens over (and this object's owner).
    CurvesController(QWidget* parent, Prompts& prompts, Clock& clock, QString databasePath);

public slots:
    // "分组曲线图形(&D)": shows the curve window modally. The caller makes sure the groups
    // are defined and the station records rebuilt first.
    void MenuDraw_Click();

private:
    QWidget* m_parent;
    Prompts& m_prompts;
    Clock& m_clock;
    MyFunctions m_chart;
};
