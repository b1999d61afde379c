#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class Prompts;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTimer;

// The rule for making many groups at once.
class FrmDefMore : public QDialog {
    Q_OBJECT

public:
    // The rule as typed, each entry as its text.
    struct Rule {
        QString sensorsPerGroup;
        QString firstGroup;
        QString firstSensor;
        QString lastSensor;
    };

    explicit FrmDefMore(QWidget* parent = nullptr);

    // Runs the dialog; the rule when it was confirmed, nothing when it was cancelled.
    [[nodiscard]] static std::optional<Rule> askRule(Prompts& prompts, QWidget* parent);

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();

    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<QComboBox*, 2> Combo1{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    // Fills the lists once the dialog shows, so it shows at once.
    QTimer* Timer1 = nullptr;
    Rule m_rule;
};
