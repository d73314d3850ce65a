#include "pages/PagePrint.h"

#include <algorithm>

namespace {
double Factor(double a, double b) {
    if (a <= 0 || b <= 0)
        return 1.0;
    return std::max(a, b) / std::min(a, b);
}
} // namespace

PagePrintPlacement PlacePrintedPage(double screenDpiX, double screenDpiY, double printerDpiX,
                                    double printerDpiY, int printableWidth, int printableHeight,
                                    int pageWidth, int pageHeight) {
    PagePrintPlacement p;
    p.xFactor = Factor(screenDpiX, printerDpiX);
    p.yFactor = Factor(screenDpiY, printerDpiY);
    const int width = static_cast<int>(p.xFactor * pageWidth);
    const int height = static_cast<int>(pageHeight * p.yFactor);
    const int left = printableWidth / 2 - width / 2;
    const int top = printableHeight / 2 - height / 2;
    p.destination = {left, top, left + width, top + height};
    return p;
}
