#pragma once

#include "common/Prompts.h"

// The real prompts: QMessageBox, QFileDialog and the dialogs' own modal loop.
class QtPrompts : public Prompts {
public:
    Answer message(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                   Icon icon) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& startPath) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& startPath) override;
    bool printerSetup(QWidget* parent, const QString& title, QPrinter& printer) override;
    int runDialog(QDialog& dialog) override;
};
