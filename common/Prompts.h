#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

// Every message box, file chooser and modal dialog of the program goes through this
// interface, so that the real program shows them and tests can answer them from a script.
class Prompts {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };
    enum class Icon { None, Information, Question, Warning, Critical };

    virtual ~Prompts() = default;

    // Shows a modal message box and returns the button pressed. Closing the box
    // counts as Cancel where there is one, as No for Yes/No, and as Ok for Ok alone.
    virtual Answer message(QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::Information) = 0;

    // Returns the chosen file path, or an empty text when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& startPath = {}) = 0;
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& startPath = {}) = 0;

    // Lets the user choose and set up the printer; false when the user cancelled.
    virtual bool printerSetup(QWidget* parent, const QString& title, QPrinter& printer) = 0;

    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected). The
    // dialog hands its answer back as a value once this returns.
    virtual int runDialog(QDialog& dialog) = 0;
};
