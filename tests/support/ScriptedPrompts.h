#pragma once

#include "common/Prompts.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>

// Answers every prompt from a script and records what was asked, so no test ever blocks
// on a modal box. A question asked with no scripted answer left is recorded and answered
// with the box's closing answer (Ok alone, No for Yes/No, Cancel otherwise), and the test
// can see it in unanswered(). Dialogs are answered the same way: each scripted answer acts
// on the dialog as a user would (fills its controls, clicks a button); while the dialog
// stays open the next answer gets it, and one left open with no answers left is closed.
class ScriptedPrompts : public Prompts {
public:
    struct Question {
        QString kind; // "message", "save", "open", "printer" or "dialog"
        QString title;
        QString text; // message text, or the file filter
        Buttons buttons = Buttons::Ok;
        QString startPath; // what a file chooser proposed
    };

    // Answers for the next message boxes, in order.
    void answer(Answer a) { m_answers.append(a); }
    // Paths for the next file choosers, in order; an empty path means cancelled.
    void choose(const QString& path) { m_paths.append(path); }
    // Setups for the next printer dialogs, in order: each sets the printer up as the user
    // would (a PDF file, a paper size); an empty one means cancelled.
    using PrinterChoice = std::function<void(QPrinter&)>;
    void choosePrinter(PrinterChoice setup) { m_printers.append(std::move(setup)); }

    Answer message(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                   Icon icon) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& startPath) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& startPath) override;
    bool printerSetup(QWidget* parent, const QString& title, QPrinter& printer) override;
    int runDialog(QDialog& dialog) override;

    // The next dialog shown must be a D; `act` works it as the user would.
    template <typename D> void answerDialog(std::function<void(D&)> act) {
        m_dialogs.append([act = std::move(act)](QDialog& dialog) {
            auto* d = qobject_cast<D*>(&dialog);
            QVERIFY2(d, qPrintable(QStringLiteral("another dialog came: ") +
                                   QString::fromUtf8(dialog.metaObject()->className())));
            act(*d);
        });
    }

    [[nodiscard]] const QList<Question>& asked() const { return m_asked; }
    // The texts of the message boxes and the filters of the file choosers asked, in order;
    // dialogs have no text and are left out.
    [[nodiscard]] QStringList texts() const;
    [[nodiscard]] int unanswered() const { return m_unanswered; }
    [[nodiscard]] int answersLeft() const {
        return static_cast<int>(m_answers.size() + m_paths.size() + m_printers.size() +
                                m_dialogs.size());
    }
    void clear();

private:
    QString nextPath(const QString& kind, const QString& title, const QString& filter,
                     const QString& startPath);

    QList<Answer> m_answers;
    QStringList m_paths;
    QList<PrinterChoice> m_printers;
    QList<std::function<void(QDialog&)>> m_dialogs;
    QList<Question> m_asked;
    int m_unanswered = 0;
};
