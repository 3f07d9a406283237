#include "platform/oneshottimer.h"

namespace platform {

OneShotTimer::OneShotTimer(int intervalMs, std::function<void()> tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick))
{
    timer_.setSingleShot(true);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { tick_(); });
}

void OneShotTimer::setEnabled(bool enabled)
{
    if (!enabled) timer_.stop();
    else if (!timer_.isActive()) timer_.start();
}

}  // namespace platform
