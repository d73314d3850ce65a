// Fuzz target: a page file (.htf) read, laid out and drawn on a canvas with
// fixed metrics, then scrolled and clicked as a player would.
#include "pages/PageLineReader.h"
#include "pages/PageView.h"
#include "platform/FileError.h"
#include "platform/MessageBox.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class MeasureCanvas : public CPageCanvas {
public:
    void SelectFont(PageFont font) override { m_font = font; }
    void SetTextColor(PageColor) override {}
    int RunWidth(const std::string& run) override { return static_cast<int>(run.size()) * 9; }
    int FontHeight() override { return FontSpec(m_font).pixelHeight; }
    void DrawRun(int, int, const std::string&) override {}
    void FillRect(const PageRect&, PageColor) override {}

private:
    PageFont m_font = fontB;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = [] {
        platform::SetMessageBoxHandler(
            [](const std::string&, const std::string&, unsigned) { return platform::IDOK; });
        return true;
    }();
    (void)quiet;

    std::string bytes(reinterpret_cast<const char*>(data), size);
    CPageView view;
    view.metrics = {23, 21, 28, 20, 25, 16};
    CPageLineReader reader = CPageLineReader::FromBytes(bytes);
    int revealMode = size > 0 ? data[0] % 3 : 0;
    try {
        view.ReadFrom(reader, 0, revealMode);
    } catch (const platform::CFileException&) {
    }
    MeasureCanvas canvas;
    view.DrawPage(canvas, view.PageLimit());
    auto redraw = [&] { view.DrawPage(canvas, view.PageLimit()); };

    const int steps[] = {scrollLineDown, scrollPageDown,   scrollBottom, scrollLineUp,
                         scrollPageUp,   scrollThumbTrack, scrollTop};
    for (int request : steps) {
        view.Scroll(static_cast<ScrollRequest>(request), static_cast<int>(size % 50));
        (void)view.PlaceButtons(398);
        // Click a grid of points over the visible page.
        for (int y = 0; y < 398; y += 37)
            for (int x = 0; x < 320; x += 41)
                view.Click(
                    x, y, [](const CPageLink&) {},
                    [&](CRevealBlock& block) {
                        block.revealed = !block.revealed;
                        redraw();
                    });
    }
    return 0;
}
