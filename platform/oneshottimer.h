#pragma once
// A timer that runs its work once, some time after it was enabled. Enabling
// it again before the tick does not restart the countdown, and the tick
// disarms before it works, so a request made during the work is not lost.

#include <QObject>
#include <QTimer>

#include <functional>

namespace platform {

class OneShotTimer : public QObject {
    Q_OBJECT
public:
    OneShotTimer(int intervalMs, std::function<void()> tick, QObject* parent = nullptr);

    void setEnabled(bool enabled);
    bool isEnabled() const { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> tick_;
};

}  // namespace platform
