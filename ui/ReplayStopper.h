#pragma once

#include <QObject>

#include <functional>

namespace kesto::ui {

// While a replay runs, any click or key anywhere in the program stops it and
// does nothing else: the event is swallowed, and so is the release of the
// click that stopped it. Reset, by its button or its access key, is let
// through: it starts a new game, which ends the replay too.
class ReplayStopper : public QObject {
    Q_OBJECT

public:
    // `reset` is Reset's button; `stop` ends the replay.
    ReplayStopper(QObject* reset, std::function<void()> stop, QObject* parent);
    ~ReplayStopper() override;

    // Watches from now on, or no longer.
    void watch(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool letThrough(QObject* watched, QEvent* event) const;

    QObject* reset_;
    std::function<void()> stop_;
    bool watching_ = false;
    bool swallowRelease_ = false; // the stopping click's release is still to come
    bool swallowKey_ = false;     // the stopping key is still held down
    bool installed_ = false;
};

} // namespace kesto::ui
