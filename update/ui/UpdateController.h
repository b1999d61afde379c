#pragma once

#include "update/UpdateKeys.h"
#include "update/UpdatePlace.h"

#include <QObject>

#include <functional>

class Clock;
class Prompts;
class QWidget;

// Serves the main window's online update menu: each opening of the window gets a fresh run.
class UpdateController : public QObject {
    Q_OBJECT

public:
    // `place` says where downloads go; `endProgram` ends the program once the update engine
    // runs (EndProgramAtOnce in the real program); downloads must be signed with one of
    // `signingKeys`.
    UpdateController(QWidget* parent, Prompts& prompts, Clock& clock, UpdatePlace place,
                     std::function<void()> endProgram,
                     QStringList signingKeys = UpdateKeys::BuiltIn());

public slots:
    void menu_Update_Click();

private:
    QWidget* m_parent;
    Prompts& m_prompts;
    Clock& m_clock;
    UpdatePlace m_place;
    std::function<void()> m_endProgram;
    QStringList m_signingKeys;
};
