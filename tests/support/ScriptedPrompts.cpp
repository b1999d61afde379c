#include "tests/support/ScriptedPrompts.h"

Prompts::Answer ScriptedPrompts::message(QWidget*, const QString& title, const QString& text,
                                         Buttons buttons, Icon) {
    m_asked.append({QStringLiteral("message"), title, text, buttons, {}});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    if (buttons != Buttons::Ok)
        ++m_unanswered;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString ScriptedPrompts::nextPath(const QString& kind, const QString& title, const QString& filter,
                                  const QString& startPath) {
    m_asked.append({kind, title, filter, Buttons::Ok, startPath});
    if (m_paths.isEmpty()) {
        ++m_unanswered;
        return {};
    }
    return m_paths.takeFirst();
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString& startPath) {
    return nextPath(QStringLiteral("save"), title, filter, startPath);
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString& startPath) {
    return nextPath(QStringLiteral("open"), title, filter, startPath);
}

bool ScriptedPrompts::printerSetup(QWidget*, const QString& title, QPrinter& printer) {
    m_asked.append({QStringLiteral("printer"), title, {}, Buttons::Ok, {}});
    if (m_printers.isEmpty()) {
        ++m_unanswered;
        return false;
    }
    const PrinterChoice setup = m_printers.takeFirst();
    if (!setup)
        return false;
    setup(printer);
    return true;
}

int ScriptedPrompts::runDialog(QDialog& dialog) {
    m_asked.append({QStringLiteral("dialog"), dialog.windowTitle(), {}, Buttons::Ok, {}});
    // Shown without a modal loop of its own, so the dialog sets itself up as it would on
    // screen and every answer runs straight on it.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    while (dialog.isVisible() && !m_dialogs.isEmpty())
        m_dialogs.takeFirst()(dialog);
    if (dialog.isVisible()) {
        ++m_unanswered;
        dialog.reject();
    }
    return dialog.result();
}

QStringList ScriptedPrompts::texts() const {
    QStringList out;
    for (const Question& q : m_asked)
        if (q.kind != QLatin1String("dialog"))
            out.append(q.text);
    return out;
}

void ScriptedPrompts::clear() {
    m_answers.clear();
    m_paths.clear();
    m_printers.clear();
    m_dialogs.clear();
    m_asked.clear();
    m_unanswered = 0;
}
