// Where our windows go on the screen: centred on their owner, kept inside
// the screen's available area, or set beside another window. Rectangles are
// outer (frame) rectangles in global coordinates; a window's frame is
// estimated from its owner's until the window manager has framed it.
#pragma once

#include <QRect>

class QMdiSubWindow;
class QWidget;

namespace platform {

// The available area (screen less panels) of the screen w is on, or of the
// primary screen.
QRect AvailableArea(const QWidget* w);

// rect moved (not resized, unless it is larger) so that it lies inside area.
QRect KeptInside(QRect rect, const QRect& area);

// A rectangle of size box beside target: to its right when that fits in
// area, else to its left, else below it, else above it; each with the top
// (or the left, below and above) lined up with target's and then kept inside
// area. When none fits, the side with the most room, kept inside area.
QRect BesideRect(const QRect& target, const QSize& box, const QRect& area, int gap = 4);

// The outer rectangle window w has or will have when shown: its frame once
// it has one, else its geometry grown by its owner's (or the main window's)
// frame margins.
QRect OuterRect(const QWidget* w);

// Moves top-level window w so that its outer rectangle is outer.
void MoveOuterTo(QWidget* w, const QRect& outer);

// Centres top-level window w on owner's window (on the screen without an
// owner) and keeps it inside the available area.
void CentreOnOwner(QWidget* w, const QWidget* owner);

// Keeps top-level window w inside the available area of its screen.
void KeepOnScreen(QWidget* w);

// A maximised MDI child fills its area from y = top down instead of from the
// area's top (the main window's button bar covers the strip above top).
// Does nothing unless the window is maximised. Returns true when it moved it.
bool KeepMaximisedBelow(QMdiSubWindow* child, int top);

} // namespace platform
