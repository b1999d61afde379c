#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Clock;
class Prompts;
class QWidget;

// Serves the main window's online update menu: each opening of the window gets a fresh run.
class UpdateController : public QObject {
    Q_OBJECT

public:
    // `endProgram` ends the program once the update engine runs (EndProgramAtOnce in the
    // real program).
    UpdateController(QWidget* parent, Prompts& prompts, Clock& clock, QString programFolder,
                     std::function<void()> endProgram);

public slots:
    void menu_Update_Click();

private:
    QWidget* m_parent;
    Prompts& m_prompts;
    Clock& m_clock;
    QString m_programFolder;
    std::function<void()> m_endProgram;
};
