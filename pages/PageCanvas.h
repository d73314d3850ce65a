// The small drawing surface the page layout draws on: select a font and a
// text colour, measure and draw a run of text, fill a rectangle. The page
// window implements it over a QPainter; tests use one with fixed metrics.
#pragma once

#include <cstdint>
#include <string>

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // left <= x < right and top <= y < bottom.
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    int Height() const { return bottom - top; }
    int Width() const { return right - left; }
    bool operator==(const PageRect&) const = default;
};

struct PageColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const PageColor&) const = default;
};

struct PageSize {
    int width = 0;
    int height = 0;
};

// The eight page fonts.
enum PageFont { fontA, fontB, fontC, fontD, fontE, fontF, fontG, fontH, kPageFontCount };

class CPageCanvas {
public:
    virtual ~CPageCanvas() = default;
    virtual void SelectFont(PageFont font) = 0;
    virtual void SetTextColor(PageColor color) = 0;
    // Width of a run without tabs in the selected font.
    virtual int RunWidth(const std::string& run) = 0;
    // Character height of the selected font (without leading).
    virtual int FontHeight() = 0;
    // Draws a run without tabs with its top-left corner at (x, y).
    virtual void DrawRun(int x, int y, const std::string& run) = 0;
    virtual void FillRect(const PageRect& rect, PageColor color) = 0;
    // Puts the canvas's own font back after drawing a page.
    virtual void SelectDefaultFont() {}
};

// Where the pen stands after a tab written at `at` (counted from the line's
// start): the next multiple of tabWidth past it. Anything that lines text up
// for the page window counts with this.
inline int NextTabStop(int at, int tabWidth) {
    return tabWidth > 0 ? (at / tabWidth + 1) * tabWidth : at;
}

// Tabbed text output: the text's tab-separated segments at their computed
// positions, each tab advancing to the next multiple of tabWidth counted from
// x. Returns the drawn width and the font height. With draw off it only
// measures.
PageSize TabbedText(CPageCanvas& canvas, int x, int y, const std::string& text, int tabWidth,
                    bool draw);
