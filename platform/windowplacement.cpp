#include "platform/windowplacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <utility>

namespace platform {

namespace {

// How long after a placement or a show the window's frame is watched for the
// window manager's frame, and how often.
constexpr int kWatchIntervalMs = 20;
constexpr int kWatchTicks = 100;
// Placed again at most this often for one placement, so a window manager
// that keeps changing the frame cannot keep the program busy.
constexpr int kMaxReplacements = 4;
constexpr const char* kPlacerName = "framePlacer";

// The frame widths the platform reports for the window; none before it is
// created, and on X11 none before the window manager has framed it.
QMargins reportedWidths(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (!handle || !window.testAttribute(Qt::WA_WState_Created)) return {};
    const QMargins m = handle->frameMargins();
    // A frame is never narrower than nothing; anything else is not yet a frame.
    if (m.left() < 0 || m.top() < 0 || m.right() < 0 || m.bottom() < 0) return {};
    return m;
}

bool frameless(const QWidget& window) { return window.windowFlags().testFlag(Qt::FramelessWindowHint); }

// Keeps a window's frame on its target until the window manager's frame is
// known: whenever the reported frame widths change, the target is worked out
// again and the window placed on it.
class FramePlacer : public QObject {
public:
    explicit FramePlacer(QWidget& window) : QObject(&window), window_(window)
    {
        setObjectName(kPlacerName);
        timer_.setInterval(kWatchIntervalMs);
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        window.installEventFilter(this);
    }

    QRect place(std::function<QRect()> target)
    {
        target_ = std::move(target);
        replacements_ = 0;
        const QRect inner = apply();
        watch();
        return inner;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) watch();
        return false;
    }

private:
    void watch()
    {
        ticksLeft_ = kWatchTicks;
        timer_.start();
    }

    QRect apply()
    {
        used_ = frameWidths(window_);
        const QRect inner = target_().marginsRemoved(used_);
        window_.setGeometry(inner);
        return inner;
    }

    void tick()
    {
        if (--ticksLeft_ <= 0) timer_.stop();
        if (!window_.isVisible() || replacements_ >= kMaxReplacements) return;
        const QMargins now = reportedWidths(window_);
        if (now.isNull() || now == used_) return;
        ++replacements_;
        apply();
    }

    QWidget& window_;
    QTimer timer_;
    std::function<QRect()> target_;
    QMargins used_;
    int ticksLeft_ = 0;
    int replacements_ = 0;
};

FramePlacer& placerOf(QWidget& window)
{
    auto* placer = window.findChild<QObject*>(kPlacerName, Qt::FindDirectChildrenOnly);
    return placer ? static_cast<FramePlacer&>(*placer) : *new FramePlacer(window);
}

QRect availableArea(const QWidget& window)
{
    const QScreen* s = window.screen();
    return s ? s->availableGeometry() : QRect();
}

}  // namespace

QRect fitInto(QRect outer, const QRect& area)
{
    if (area.isEmpty()) return outer;
    outer.setWidth(std::min(outer.width(), area.width()));
    outer.setHeight(std::min(outer.height(), area.height()));
    outer.moveLeft(std::clamp(outer.left(), area.left(), area.right() + 1 - outer.width()));
    outer.moveTop(std::clamp(outer.top(), area.top(), area.bottom() + 1 - outer.height()));
    return outer;
}

QMargins frameWidths(const QWidget& window)
{
    if (frameless(window)) return {};
    const QMargins own = reportedWidths(window);
    if (!own.isNull()) return own;
    // Windows of one program get the same frame from one window manager.
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == &window || frameless(*other)) continue;
        const QMargins theirs = reportedWidths(*other);
        if (!theirs.isNull()) return theirs;
    }
    return {};
}

QRect outerFrame(const QWidget& window) { return window.geometry().marginsAdded(frameWidths(window)); }

QSize outerSize(const QWidget& window) { return outerFrame(window).size(); }

QRect placeFrame(QWidget& window, QRect outer)
{
    return placerOf(window).place([&window, outer] { return fitInto(outer, availableArea(window)); });
}

void centreOver(QWidget& window, QWidget& owner)
{
    setOwner(window, owner);
    // Worked out anew with each frame learnt: a fixed-size window keeps its
    // inner size, so only its position can follow.
    placerOf(window).place([&window, ownerAlive = QPointer<QWidget>(&owner)] {
        QRect outer({}, outerSize(window));
        if (ownerAlive) outer.moveCenter(outerFrame(*ownerAlive).center());
        return fitInto(outer, availableArea(window));
    });
}

}  // namespace platform
