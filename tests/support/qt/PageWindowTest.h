// A page window in an MDI area, closed for good when the test ends.
#pragma once

#include "pages/qt/MuWnd.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QImage>
#include <QMdiArea>
#include <QPointer>
#include <gtest/gtest.h>

namespace testing_support {

class PageWindowTest : public ::testing::Test {
protected:
    PageWindowTest() {
        area.resize(900, 700);
        area.show();
        wnd = new CMuWnd(&area);
        wnd->setGeometry(0, 1, 345, 600);
        wnd->show();
    }
    ~PageWindowTest() override {
        if (wnd) {
            wnd->allowDestroy = true;
            wnd->close();
        }
        Pump();
    }
    QImage Client() const {
        return wnd->ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QMdiArea area;
    QPointer<CMuWnd> wnd;
    MessageRecorder boxes;
    TempDir dir;
};

// Pixels of the image that are not white.
inline int CountNonWhite(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
}

} // namespace testing_support
