#include "common/LongWork.h"

#include <QMetaObject>

LongWork::LongWork() : m_context(std::make_unique<QObject>()) {}

LongWork::~LongWork() {
    if (m_thread.joinable())
        m_thread.join();
}

bool LongWork::launch(QObject* receiver, Finishing work, Shown shown) {
    if (m_busy)
        return false;
    m_busy = true;
    m_receiver = receiver;
    m_shown = std::move(shown);
    QObject* context = m_context.get();
    m_thread = std::thread([this, context, work = std::move(work)] {
        const Report report = [this, context](int figure) {
            QMetaObject::invokeMethod(
                context,
                [this, figure] {
                    if (m_receiver && m_shown)
                        m_shown(figure);
                },
                Qt::QueuedConnection);
        };
        std::function<void()> deliver = work(report);
        QMetaObject::invokeMethod(
            context, [this, deliver = std::move(deliver)] { finish(deliver); },
            Qt::QueuedConnection);
    });
    return true;
}

void LongWork::finish(const std::function<void()>& deliver) {
    m_thread.join();
    m_busy = false;
    m_shown = nullptr;
    // The receiver may start the next work from its outcome.
    if (m_receiver)
        deliver();
}
