#pragma once
// Which window each of the program's windows belongs to: the window manager
// keeps a window above its owner.

class QWidget;

namespace platform {

// The window belongs to `owner`. Takes effect at the window's next show, and
// holds for every platform window Qt makes for it later.
void setOwner(QWidget& window, QWidget& owner);

// The window belongs to the owner of `other` (to none when `other` has none),
// so it stays in reach while `other` is hidden. Takes effect at its next show.
void shareOwner(QWidget& window, const QWidget& other);

}  // namespace platform
