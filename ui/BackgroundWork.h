#pragma once

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

namespace kesto::ui {

// One piece of work at a time on a thread of its own, which the window never
// waits for: starting another, or cancelling, tells the one under way to
// stop and drops whatever it still had to say. What the work says reaches
// the window's thread in order, only while the work is current.
class BackgroundWork : public QObject {
    Q_OBJECT

public:
    // Hands a step of the work's result to the window's thread.
    using Tell = std::function<void(std::function<void()>)>;
    // The work: reads `stop` to end early, and tells the window through `tell`.
    using Work = std::function<void(const std::atomic<bool>& stop, const Tell& tell)>;

    explicit BackgroundWork(QObject* parent = nullptr);
    // The one wait: the thread ends with its owner.
    ~BackgroundWork() override;

    // Starts `work` in place of any under way.
    void start(Work work);
    // Tells the work under way to stop; what it says from now on is dropped.
    void cancel();
    // Whether the thread is still busy, with work cancelled or not.
    bool busy() const { return thread_.activeThreadCount() > 0; }

private:
    QThreadPool thread_;
    std::shared_ptr<std::atomic<bool>> stop_;
    int started_ = 0; // numbers the work, so that a cancelled one is known
};

} // namespace kesto::ui
