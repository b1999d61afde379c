#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QComboBox;
class QGroupBox;
class QPushButton;
class QTimer;

// The rule for making many groups at once. The caller reads A1..A4 after the dialog
// returns: all four empty when it was cancelled.
class FrmDefMore : public QDialog {
    Q_OBJECT

public:
    explicit FrmDefMore(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<QComboBox*, 2> Combo1{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    // Fills the lists once the dialog shows, so it shows at once.
    QTimer* Timer1 = nullptr;

    // Sensors per group, first group number, first and last sensor number.
    QString A1;
    QString A2;
    QString A3;
    QString A4;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
};
