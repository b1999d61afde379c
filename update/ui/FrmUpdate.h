#pragma once

#include <QDialog>

class Prompts;
class QListWidget;
class QPushButton;
class UpdateCheck;

// The online update window: starts the run, lists what it reports and asks the user
// before the program is handed over to the update engine.
class FrmUpdate : public QDialog {
    Q_OBJECT

public:
    FrmUpdate(UpdateCheck& check, Prompts& prompts, QWidget* parent = nullptr);

    QListWidget* List1 = nullptr;
    QPushButton* CmdDo = nullptr;
    QPushButton* CmdExit = nullptr;

public slots:
    void CmdDo_Click();
    void CmdExit_Click();

private:
    void Form_Load();
    void askConfirmation();

    UpdateCheck& m_check;
    Prompts& m_prompts;
};
