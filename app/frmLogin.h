#pragma once

#include <QDialog>

#include <array>

class Prompts;
class QLabel;
class QLineEdit;
class QPushButton;

// The login every start passes through; the factory access word switches on FactoryMode.
class frmLogin : public QDialog {
    Q_OBJECT

public:
    explicit frmLogin(Prompts& prompts, QWidget* parent = nullptr);

    // True when the user was accepted.
    bool OK = false;
    // True when the factory access word was given.
    bool FactoryMode = false;

    std::array<QLabel*, 2> lblLabels{};
    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    static constexpr const char* FactoryAccessWord = "vexil";

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Prompts& m_prompts;
};

// The name of the user running the program; empty when the system gives none.
[[nodiscard]] QString CurrentUserName();
