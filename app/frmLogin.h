#pragma once

#include <QDialog>

#include <array>
#include <optional>

class Prompts;
class QLabel;
class QLineEdit;
class QPushButton;

// The login every start passes through; the factory access word switches on FactoryMode.
class frmLogin : public QDialog {
    Q_OBJECT

public:
    // Who was let in: anyone with the empty password, the factory with its access word.
    enum class Access { User, Factory };

    explicit frmLogin(Prompts& prompts, QWidget* parent = nullptr);

    // Runs the login; who was let in, or nothing when it was cancelled or closed.
    [[nodiscard]] std::optional<Access> ask();

    static constexpr const char* FactoryAccessWord = "vexil";

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    Prompts& m_prompts;
    Access m_access = Access::User;
    std::array<QLabel*, 2> lblLabels{};
    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// The name of the user running the program; empty when the system gives none.
[[nodiscard]] QString CurrentUserName();
