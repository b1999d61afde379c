#include "common/ui/QtPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

QMessageBox::StandardButtons standardButtons(Prompts::Buttons buttons) {
    switch (buttons) {
    case Prompts::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompts::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompts::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Prompts::Answer answerFor(int pressed, Prompts::Buttons buttons) {
    switch (pressed) {
    case QMessageBox::Ok:
        return Prompts::Answer::Ok;
    case QMessageBox::Yes:
        return Prompts::Answer::Yes;
    case QMessageBox::No:
        return Prompts::Answer::No;
    case QMessageBox::Cancel:
        return Prompts::Answer::Cancel;
    default:
        break;
    }
    // The box was closed without a button.
    if (buttons == Prompts::Buttons::Ok)
        return Prompts::Answer::Ok;
    return buttons == Prompts::Buttons::YesNo ? Prompts::Answer::No : Prompts::Answer::Cancel;
}

} // namespace

Prompts::Answer QtPrompts::message(QWidget* parent, const QString& title, const QString& text,
                                   Buttons buttons, Icon icon) {
    QMessageBox box(boxIcon(icon), title, text, standardButtons(buttons), parent);
    // The first button is the default, as in the classic message box.
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel)
        box.setDefaultButton(QMessageBox::Yes);
    else
        box.setDefaultButton(QMessageBox::Ok);
    return answerFor(box.exec(), buttons);
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                const QString& startPath) {
    // Overwrite questions are the caller's, with the program's own wording.
    return QFileDialog::getSaveFileName(parent, title, startPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompts::openFileName(QWidget* parent, const QString& title, const QString& filter,
                                const QString& startPath) {
    return QFileDialog::getOpenFileName(parent, title, startPath, filter);
}

bool QtPrompts::printerSetup(QWidget* parent, const QString& title, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

int QtPrompts::runDialog(QDialog& dialog) {
    return dialog.exec();
}
