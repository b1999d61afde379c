#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs `action` on the modal dialog of type D once it is showing. The window may serve
// events before it opens the dialog, so the timer looks again until the dialog is there.
template <typename D> void whenShown(std::function<void(D*)> action, int triesLeft = 500) {
    QTimer::singleShot(10, [action, triesLeft] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            QVERIFY2(triesLeft > 0, "the dialog never showed");
            whenShown<D>(action, triesLeft - 1);
            return;
        }
        action(dialog);
    });
}
