#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class QTimer;
class QWidget;

// Saves a picture of every modal window the program opens, then answers it, so that a
// whole walk through the program runs without anyone at the screen. Windows come in the
// order the walk expects them; one that was not expected is still saved, and answered
// with its default, so nothing ever waits for a hand that is not there.
class ModalShooter : public QObject {
    Q_OBJECT

public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalShooter(QString folder, QObject* parent = nullptr);

    // The next modal window of class `className` is saved as `name` once it has had
    // `settleMs` to draw itself, and then handed to `answer`, which may open more windows.
    void expect(const QString& name, const char* className, Answer answer, int settleMs = 400);

    // Saves a picture of one window now.
    void shoot(QWidget* window, const QString& name);

    // Serves events for `ms`, so that windows draw and timers run.
    static void settle(int ms);

    [[nodiscard]] int unexpectedCount() const { return m_unexpected; }
    [[nodiscard]] int pendingCount() const { return int(m_expected.size()); }

private:
    struct Expected {
        QString name;
        QString className;
        Answer answer;
        int settleMs;
    };

    void poll();
    [[nodiscard]] QString nextFile(const QString& name);

    QString m_folder;
    QTimer* m_poll = nullptr;
    std::deque<Expected> m_expected;
    QList<QPointer<QWidget>> m_seen;
    int m_number = 0;
    int m_unexpected = 0;
};

// Ways to answer a window.
namespace Answers {
// A message box: its 是, or else its 确定, or else its default button. Any other dialog
// is accepted.
void yes(QWidget* window);
// A message box: its 否 or 取消 when it has one, else its only button. Any other window
// is closed as if by its close box.
void dismiss(QWidget* window);
} // namespace Answers
