#include "platform/repaintpacer.h"

#include "platform/doevents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

constexpr double kDefaultRefreshHz = 60;
constexpr double kNanosecondsPerSecond = 1e9;

double refreshHz()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hz = screen ? screen->refreshRate() : 0;
    return hz > 0 ? hz : kDefaultRefreshHz;
}

}  // namespace

RepaintPacer::RepaintPacer() : intervalNs_(qint64(kNanosecondsPerSecond / refreshHz()))
{
    QCoreApplication::instance()->installEventFilter(this);
}

RepaintPacer::~RepaintPacer()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // What the last step left is painted at the event loop's next turn.
    releaseHeld();
}

void RepaintPacer::doEvents()
{
    repaintDue_ = !sinceRepaint_.isValid() || sinceRepaint_.nsecsElapsed() >= intervalNs_;
    if (repaintDue_) {
        sinceRepaint_.start();
        releaseHeld();
    }
    platform::doEvents();
    repaintDue_ = false;
}

// A window's repaint comes as one update request, asked for again only once
// that one has been delivered: a held request is put back on the queue.
bool RepaintPacer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::UpdateRequest || repaintDue_) return false;
    if (!held_.contains(watched)) held_.append(watched);
    return true;
}

void RepaintPacer::releaseHeld()
{
    for (const QPointer<QObject>& target : std::as_const(held_))
        if (target) QCoreApplication::postEvent(target, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    held_.clear();
}

}  // namespace platform
