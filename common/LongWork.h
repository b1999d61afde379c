#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <thread>

// The one busy state of the main window and the windows it opens: at most one piece of
// long work (a grouping run, an export, reading a pour) runs at a time, on a thread of its
// own. Commands that would collide with it ask busy() first and are refused while it runs.
//
// The work gets only values and touches no window. The figures it reports and then its
// outcome come back, in that order, on the thread that started it, so the window keeps
// serving events and is never re-entered from inside the work. An outcome whose receiver
// has gone is dropped. Destroying the LongWork waits for the work, so nothing the work
// reads goes away under it.
class LongWork {
public:
    // Hands a figure (a percentage, a count) to the starting thread; called by the work.
    using Report = std::function<void(int figure)>;
    using Shown = std::function<void(int figure)>;

    LongWork();
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    [[nodiscard]] bool busy() const { return m_busy; }

    // Runs `work` on its thread. `shown` gets each figure and `done` the outcome, on this
    // thread, as long as `receiver` still lives. False, and nothing started, while busy.
    template <typename Result>
    bool start(QObject* receiver, std::function<Result(const Report&)> work, Shown shown,
               std::function<void(Result)> done);

private:
    // The work, made to hand back the step that delivers its outcome.
    using Finishing = std::function<std::function<void()>(const Report&)>;

    bool launch(QObject* receiver, Finishing work, Shown shown);
    void finish(const std::function<void()>& deliver);

    // Lives on the starting thread; the work's figures and outcome are queued to it, and
    // whatever is still queued goes with it.
    std::unique_ptr<QObject> m_context;
    std::thread m_thread;
    QPointer<QObject> m_receiver;
    Shown m_shown;
    bool m_busy = false;
};

template <typename Result>
bool LongWork::start(QObject* receiver, std::function<Result(const Report&)> work, Shown shown,
                     std::function<void(Result)> done) {
    return launch(
        receiver,
        [work = std::move(work), done = std::move(done)](const Report& report) {
            auto outcome = std::make_shared<Result>(work(report));
            return std::function<void()>([done, outcome] { done(std::move(*outcome)); });
        },
        std::move(shown));
}
