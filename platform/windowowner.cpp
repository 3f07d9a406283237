#include "platform/windowowner.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

constexpr const char* kKeeperName = "ownerKeeper";

// Holds a window's owner. Qt replaces a shown window's platform window when a
// child that draws through textures (the embedded browser's view) joins it,
// and the new one starts without an owner: the owner is given again.
class OwnerKeeper : public QObject {
public:
    explicit OwnerKeeper(QWidget& window) : QObject(&window), window_(window)
    {
        setObjectName(kKeeperName);
        window.installEventFilter(this);
    }

    QWidget* owner() const { return owner_; }

    void keep(QWidget* owner)
    {
        owner_ = owner;
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Given at each show as well: the owner's own platform window may have
        // been replaced since.
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) apply();
        return false;
    }

private:
    void apply()
    {
        QWindow* handle = window_.windowHandle();
        if (!handle) return;
        if (owner_) owner_->winId();
        handle->setTransientParent(owner_ ? owner_->windowHandle() : nullptr);
    }

    QWidget& window_;
    QPointer<QWidget> owner_;
};

OwnerKeeper* keeperOf(const QWidget& window)
{
    return window.findChild<OwnerKeeper*>(kKeeperName, Qt::FindDirectChildrenOnly);
}

// Only a dialog's owner reaches the X11 window manager (WM_TRANSIENT_FOR);
// a dialog without one belongs to the program's windows as a whole.
void keepOwner(QWidget& window, QWidget* owner)
{
    if (window.windowType() != Qt::Dialog) {
        const bool shown = window.isVisible();
        const Qt::WindowFlags hints = window.windowFlags() & ~Qt::WindowType_Mask;
        window.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | hints);
        if (shown) window.show();
    }
    window.winId();
    OwnerKeeper* keeper = keeperOf(window);
    (keeper ? *keeper : *new OwnerKeeper(window)).keep(owner);
}

}  // namespace

void setOwner(QWidget& window, QWidget& owner) { keepOwner(window, &owner); }

void shareOwner(QWidget& window, const QWidget& other)
{
    const OwnerKeeper* keeper = keeperOf(other);
    keepOwner(window, keeper ? keeper->owner() : nullptr);
}

}  // namespace platform
