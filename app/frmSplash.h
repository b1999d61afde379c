#pragma once

#include <QWidget>

class QLabel;

// The splash window shown while the program starts.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Replaces the design picture (the branding hook).
    void setPicture(const QPixmap& picture);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblVersion = nullptr;
};
