#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct Module1;

// The about box, created for each opening. Besides the version it tells where the program
// keeps its data, which differs between an installed program and one run from its build.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(const Module1& state, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDataPlace = nullptr;
    QPushButton* cmdOK = nullptr;
};
