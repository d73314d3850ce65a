#include "platform/qt/Placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {

// The frame margins a window manager gives our windows, taken from a shown
// window that has them: the window's owner, else the active or any shown
// top-level window.
QMargins FrameMarginsFor(const QWidget* w) {
    auto margins = [](const QWidget* top) {
        const QRect outer = top->frameGeometry(), inner = top->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    };
    if (w->isVisible() && w->frameGeometry() != w->geometry())
        return margins(w);
    const QWidget* owner = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    if (owner && owner->isVisible())
        return margins(owner);
    if (const QWidget* active = QApplication::activeWindow(); active && active != w)
        return margins(active);
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (top != w && top->isVisible() && top->frameGeometry() != top->geometry())
            return margins(top);
    return {};
}

} // namespace

QRect AvailableArea(const QWidget* w) {
    QScreen* screen = w ? w->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect KeptInside(QRect rect, const QRect& area) {
    if (!area.isValid())
        return rect;
    rect.setWidth(std::min(rect.width(), area.width()));
    rect.setHeight(std::min(rect.height(), area.height()));
    if (rect.right() > area.right())
        rect.moveRight(area.right());
    if (rect.bottom() > area.bottom())
        rect.moveBottom(area.bottom());
    if (rect.left() < area.left())
        rect.moveLeft(area.left());
    if (rect.top() < area.top())
        rect.moveTop(area.top());
    return rect;
}

QRect BesideRect(const QRect& target, const QSize& box, const QRect& area, int gap) {
    const int roomRight = area.right() - target.right() - gap;
    const int roomLeft = target.left() - gap - area.left();
    const int roomBelow = area.bottom() - target.bottom() - gap;
    const int roomAbove = target.top() - gap - area.top();
    const QRect right(QPoint(target.right() + 1 + gap, target.top()), box);
    const QRect left(QPoint(target.left() - gap - box.width(), target.top()), box);
    const QRect below(QPoint(target.left(), target.bottom() + 1 + gap), box);
    const QRect above(QPoint(target.left(), target.top() - gap - box.height()), box);
    if (roomRight >= box.width())
        return KeptInside(right, area);
    if (roomLeft >= box.width())
        return KeptInside(left, area);
    if (roomBelow >= box.height())
        return KeptInside(below, area);
    if (roomAbove >= box.height())
        return KeptInside(above, area);
    const int most = std::max({roomRight, roomLeft, roomBelow, roomAbove});
    if (most == roomRight)
        return KeptInside(right, area);
    if (most == roomLeft)
        return KeptInside(left, area);
    if (most == roomBelow)
        return KeptInside(below, area);
    return KeptInside(above, area);
}

QRect OuterRect(const QWidget* w) {
    if (w->isVisible() && w->frameGeometry() != w->geometry())
        return w->frameGeometry();
    return w->geometry().marginsAdded(FrameMarginsFor(w));
}

void MoveOuterTo(QWidget* w, const QRect& outer) {
    // A window's position is that of its frame, except for a window that
    // has its native window but no frame yet (a box being shown): there the
    // toolkit takes it for the client area's.
    if (!w->testAttribute(Qt::WA_WState_Created) || w->frameGeometry() != w->geometry()) {
        w->move(outer.topLeft());
        return;
    }
    const QMargins margins = FrameMarginsFor(w);
    w->move(outer.topLeft() + QPoint(margins.left(), margins.top()));
}

void CentreOnOwner(QWidget* w, const QWidget* owner) {
    const QWidget* top = owner ? owner->window() : nullptr;
    const QRect area = AvailableArea(top ? top : w);
    const QRect around = top && top->isVisible() ? top->frameGeometry() : area;
    QRect outer = OuterRect(w);
    outer.moveCenter(around.center());
    MoveOuterTo(w, KeptInside(outer, area));
}

void KeepOnScreen(QWidget* w) {
    const QRect outer = OuterRect(w);
    const QRect inside = KeptInside(outer, AvailableArea(w));
    if (inside.topLeft() != outer.topLeft())
        MoveOuterTo(w, inside);
}

bool KeepMaximisedBelow(QMdiSubWindow* child, int top) {
    if (!child || !child->isMaximized() || !child->parentWidget() || top <= 0)
        return false;
    const QRect area = child->parentWidget()->rect();
    const QRect want(area.left(), area.top() + top, std::min(area.width(), child->maximumWidth()),
                     std::min(area.height() - top, child->maximumHeight()));
    if (!want.isValid() || child->geometry() == want)
        return false;
    child->setGeometry(want);
    return true;
}

} // namespace platform
