#include "pages/PageCanvas.h"

PageSize TabbedText(CPageCanvas& canvas, int x, int y, const std::string& text, int tabWidth,
                    bool draw) {
    PageSize size{0, canvas.FontHeight()};
    size_t from = 0;
    for (;;) {
        size_t tab = text.find('\t', from);
        std::string run =
            text.substr(from, tab == std::string::npos ? std::string::npos : tab - from);
        if (!run.empty()) {
            if (draw)
                canvas.DrawRun(x + size.width, y, run);
            size.width += canvas.RunWidth(run);
        }
        if (tab == std::string::npos)
            break;
        size.width = NextTabStop(size.width, tabWidth);
        from = tab + 1;
    }
    return size;
}
