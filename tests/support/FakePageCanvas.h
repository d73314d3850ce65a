// A page canvas with fixed metrics for the page layout tests: every character
// is 10 pixels wide except 'i' (4), a font's height is its pixel size, and
// every drawn run is recorded.
#pragma once

#include "pages/PageCanvas.h"
#include "pages/PageStyles.h"

#include <string>
#include <vector>

namespace testing_support {

struct DrawnRun {
    int x;
    int y;
    std::string text;
    PageFont font;
    PageColor color;
};

class FakePageCanvas : public CPageCanvas {
public:
    // Line heights for the fake fonts (A 20 -> 22, B 18 -> 20 ...).
    static PageMetrics Metrics() {
        PageMetrics m;
        m.hA = 22;
        m.hB = 20;
        m.hC = 26;
        m.hE = 19;
        m.hF = 24;
        m.tabWidth = 16;
        return m;
    }

    void SelectFont(PageFont font) override { m_font = font; }
    void SetTextColor(PageColor color) override { m_color = color; }
    int RunWidth(const std::string& run) override {
        int w = 0;
        for (char c : run)
            w += c == 'i' ? 4 : 10;
        return w;
    }
    int FontHeight() override { return FontSpec(m_font).pixelHeight; }
    void DrawRun(int x, int y, const std::string& run) override {
        runs.push_back({x, y, run, m_font, m_color});
    }
    void FillRect(const PageRect&, PageColor) override {}
    void SelectDefaultFont() override { ++defaultFontSelected; }

    // The first run holding text, or nullptr.
    const DrawnRun* Find(const std::string& text) const {
        for (const DrawnRun& r : runs)
            if (r.text == text)
                return &r;
        return nullptr;
    }

    std::vector<DrawnRun> runs;
    int defaultFontSelected = 0;
    PageFont m_font = fontB;
    PageColor m_color{};
};

} // namespace testing_support
