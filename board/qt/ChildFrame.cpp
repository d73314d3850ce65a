#include "board/qt/ChildFrame.h"

#include "board/qt/GridView.h"
#include "platform/qt/Placement.h"

#include <QCloseEvent>
#include <QMoveEvent>

CChildFrame::CChildFrame(QWidget* parent) : QMdiSubWindow(parent) {
    setObjectName("CChildFrame");
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void CChildFrame::SetView(CGridView* view) {
    setWidget(view);
}

CGridView* CChildFrame::View() const {
    return qobject_cast<CGridView*>(widget());
}

QSize CChildFrame::FrameSizeForPicture(const PictureSize& picture) const {
    CGridView* view = View();
    if (!view)
        return ClassicFrameSize(picture);
    // Frame decorations around the view, plus the view's own border.
    const QSize outer = size() - view->viewport()->size();
    return QSize(picture.width, picture.height) + outer;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!mayClose) {
        // The player cannot close the board: it is minimised instead.
        event->ignore();
        showMinimized();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::moveEvent(QMoveEvent* event) {
    // Maximised, the frame fills the area below the bar (which stands one
    // pixel down, so its last row is minimumTop), so that the key and the
    // headings at the picture's top stay in sight.
    if (platform::KeepMaximisedBelow(this, minimumTop + 1))
        return;
    if (event->pos().y() < minimumTop && !isMinimized() && !isMaximized()) {
        move(event->pos().x(), minimumTop);
        return;
    }
    QMdiSubWindow::moveEvent(event);
}

void CChildFrame::resizeEvent(QResizeEvent* event) {
    if (platform::KeepMaximisedBelow(this, minimumTop + 1))
        return;
    QMdiSubWindow::resizeEvent(event);
}
