#pragma once

#include <QDialog>

class Prompts;
class QCalendarWidget;
class QLabel;
class QPushButton;

// Picks one date and writes it straight into one of the date labels of the window that
// opened it. The caller's date labels form a control array: labels named "Label1" with
// their index in the property "controlIndex".
class frmRiLi : public QDialog {
    Q_OBJECT

public:
    explicit frmRiLi(QWidget* parent = nullptr);

    // The window whose date label receives the date, and that label's index.
    QWidget* Obj = nullptr;
    int tag = 0;

    QCalendarWidget* Calendar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdOK = nullptr;

    // The label of a control array with the given name and index, or null.
    [[nodiscard]] static QLabel* ArrayLabel(QWidget* owner, const QString& name, int index);
    // Date label `index` of such an array: a sunken panel with a hand cursor, whose clicks
    // go to `clicks` as events.
    [[nodiscard]] static QLabel* DateLabel(int index, const QString& tip, QWidget* parent,
                                           QObject* clicks);
    // Lets the user pick the date of `owner`'s date label `index` (0 the start, 1 the end)
    // and writes it there.
    static void PickInto(Prompts& prompts, QWidget* owner, int index);

public slots:
    void cmdOK_Click();

private:
    void Calendar1_Click();
};
