#include "pages/PageView.h"
#include "pages/qt/QtPageCanvas.h"
#include "platform/TextFile.h"
#include "puzzlegen/qt/Drawing.h"

#include <QPainter>
#include <algorithm>
#include <fstream>

namespace puzzlegen {

namespace {

// The page window's canvas, watching how far right the runs reach.
class CReachCanvas : public CQtPageCanvas {
public:
    using CQtPageCanvas::CQtPageCanvas;
    void DrawRun(int x, int y, const std::string& run) override {
        reach = std::max(reach, x + RunWidth(run));
        CQtPageCanvas::DrawRun(x, y, run);
    }
    int reach = 0;
};

} // namespace

std::string CheckPage(const std::string& path, QImage* image, bool reveal) {
    std::ifstream raw(path, std::ios::binary);
    std::string line;
    while (std::getline(raw, line))
        if (line.size() + 1 > 2046)
            return "a line of " + std::to_string(line.size()) + " bytes";
    static const CPageFonts fonts;
    CPageView view;
    view.metrics = fonts.Heights();
    if (view.ReadPage(path, 0, false, 0) != CPageView::loadOk)
        return "the page reader cannot read it";
    for (const auto& block : view.model.blocks) {
        if (block->revealed)
            return "block \"" + block->title + "\" starts revealed";
        if (reveal)
            block->revealed = true;
    }
    QImage page(CPageView::kPageWidth, std::max(1, view.model.pageHeight), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    CReachCanvas canvas(painter, fonts);
    view.DrawPage(canvas, view.PageLimit());
    painter.end();
    if (image)
        *image = page;
    if (canvas.reach > 305)
        return "a row reaches " + std::to_string(canvas.reach) + " pixels";
    return {};
}

} // namespace puzzlegen
