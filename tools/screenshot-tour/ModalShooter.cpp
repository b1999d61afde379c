#include "tools/screenshot-tour/ModalShooter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int PollMs = 50;

void click(QAbstractButton* button) {
    if (button)
        button->click();
}

} // namespace

ModalShooter::ModalShooter(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_poll(new QTimer(this)) {
    connect(m_poll, &QTimer::timeout, this, &ModalShooter::poll);
    m_poll->start(PollMs);
}

void ModalShooter::expect(const QString& name, const char* className, Answer answer, int settleMs) {
    m_expected.push_back({name, QString::fromLatin1(className), std::move(answer), settleMs});
}

QString ModalShooter::nextFile(const QString& name) {
    ++m_number;
    return QDir(m_folder).filePath(
        QStringLiteral("%1-%2.png").arg(m_number, 2, 10, QLatin1Char('0')).arg(name));
}

void ModalShooter::shoot(QWidget* window, const QString& name) {
    const QString file = nextFile(name);
    if (!window->grab().save(file))
        std::fprintf(stderr, "tour: could not write %s\n", qPrintable(file));
    else
        std::printf("tour: %s\n", qPrintable(QDir::toNativeSeparators(file)));
    std::fflush(stdout);
}

void ModalShooter::settle(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void ModalShooter::poll() {
    m_seen.removeAll(nullptr);
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || m_seen.contains(modal))
        return;
    m_seen.append(modal);

    Expected step{QStringLiteral("unexpected"), {}, Answers::yes, 400};
    const bool expected =
        !m_expected.empty() && modal->inherits(m_expected.front().className.toLatin1().constData());
    if (expected) {
        step = std::move(m_expected.front());
        m_expected.pop_front();
    } else {
        ++m_unexpected;
        std::fprintf(stderr, "tour: a window that was not expected: %s \"%s\"\n",
                     modal->metaObject()->className(), qPrintable(modal->windowTitle()));
    }
    // The answer may open further modal windows, whose loops must not run inside this one.
    QPointer<QWidget> window(modal);
    QTimer::singleShot(step.settleMs, this, [this, window, step] {
        if (!window)
            return;
        shoot(window, step.name);
        step.answer(window);
    });
}

void Answers::yes(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        QAbstractButton* button = box->button(QMessageBox::Yes);
        if (!button)
            button = box->button(QMessageBox::Ok);
        if (!button)
            button = box->defaultButton();
        click(button);
    } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->accept();
    }
}

void Answers::dismiss(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        QAbstractButton* button = box->button(QMessageBox::No);
        if (!button)
            button = box->button(QMessageBox::Cancel);
        if (!button)
            button = box->defaultButton();
        click(button);
    } else {
        window->close();
    }
}
