// CChildFrame: the board's frame inside the main window's MDI area. It holds
// the board view, minimises instead of closing until the main frame allows it
// to close, and never lets its top edge rise above minimumTop (the button
// bar's height), maximised or not.
#pragma once

#include "board/DibDoc.h"

#include <QMdiSubWindow>

class CGridView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(QWidget* parent = nullptr);

    // The lowest y (in the MDI area's coordinates) the frame's top may take.
    int minimumTop = 0;
    // Set by the main frame when the application itself closes.
    bool mayClose = false;

    // Puts the view in the frame, filling it. The frame owns it afterwards.
    void SetView(CGridView* view);
    CGridView* View() const;

    // The frame size that shows a picture of this size whole, without
    // scroll bars, with this frame's own borders and caption.
    QSize FrameSizeForPicture(const PictureSize& picture) const;
    // The size the board frame has always been given: picture + (16, 36).
    static QSize ClassicFrameSize(const PictureSize& picture) {
        return QSize(picture.width + 16, picture.height + 36);
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
