#include "BackgroundWork.h"

namespace kesto::ui {

BackgroundWork::BackgroundWork(QObject* parent) : QObject(parent)
{
    thread_.setMaxThreadCount(1);
}

BackgroundWork::~BackgroundWork()
{
    cancel();
    thread_.waitForDone();
}

void BackgroundWork::start(Work work)
{
    cancel();
    const int current = ++started_;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    thread_.start([this, current, work = std::move(work), stop = stop_] {
        work(*stop, [this, current](std::function<void()> step) {
            QMetaObject::invokeMethod(
                this,
                [this, current, step = std::move(step)] {
                    if (current == started_) {
                        step();
                    }
                },
                Qt::QueuedConnection);
        });
    });
}

void BackgroundWork::cancel()
{
    ++started_;
    if (stop_) {
        stop_->store(true);
    }
}

} // namespace kesto::ui
