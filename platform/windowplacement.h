#pragma once
// Where the program's windows go on screen, measured by their outer frame
// (title bar and borders included); which window each one belongs to is in
// windowowner.h.
// A window manager frames a window only after it is shown, so a window placed
// earlier is placed again once its real frame is known.

#include "platform/windowowner.h"

#include <QMargins>
#include <QRect>

class QWidget;

namespace platform {

// `outer` moved and, if it must be, shrunk so it lies within `area`.
QRect fitInto(QRect outer, const QRect& area);

// The frame widths the window has, or, before the window manager has framed
// it, those of another framed window of the program (none without one).
QMargins frameWidths(const QWidget& window);

// The window's outer frame: its geometry widened by its frame widths.
QRect outerFrame(const QWidget& window);

// Gives the window's frame the rectangle `outer`, fitted into the available
// area of the window's screen, now and again once the frame is known.
// Returns the inner geometry given now.
QRect placeFrame(QWidget& window, QRect outer);

// The outer size the window gets for its current inner size.
QSize outerSize(const QWidget& window);

// Centres the window's frame over the owner's frame and makes it the owner's.
void centreOver(QWidget& window, QWidget& owner);

}  // namespace platform
